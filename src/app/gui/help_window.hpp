#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <filesystem>
#include <memory>

#include "platform/chm_help.hpp"

namespace quimbo::gui {

// Shows the pages of SENECA.chm: a help context's topic, or the table of contents.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    HelpWindow(QWidget* parent, const std::filesystem::path& chmFile);
    void showContext(std::uint32_t context);
    void showContents();
    QString currentPage() const { return currentPage_; }
    QTextBrowser* browser() const { return browser_; }

  private:
    void showPage(const QString& page);

    std::unique_ptr<platform::ChmHelp> help_;
    QTextBrowser* browser_;
    QString currentPage_;
};

// Opens the help at a context (or the contents): the system's viewer where there is one,
// otherwise a help window of ours owned by `parent`. Errors are shown by the general report.
HelpWindow* openHelp(QWidget* parent, const std::filesystem::path& chmFile, std::uint32_t context,
                     bool contents);

}  // namespace quimbo::gui
