#include "app/gui/help_window.hpp"

#include <QUrl>
#include <QVBoxLayout>

#include "app/gui/message_box.hpp"
#include "common/error.hpp"
#include "platform/gui/window_embedding.hpp"

namespace quimbo::gui {

namespace {

// A text browser whose links and images come from the help file.
class ChmBrowser : public QTextBrowser {
  public:
    ChmBrowser(QWidget* parent, platform::ChmHelp& help) : QTextBrowser(parent), help_(help) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (const auto bytes = help_.read(name.path().toStdString())) {
            return QByteArray::fromStdString(*bytes);
        }
        return QTextBrowser::loadResource(type, name);
    }

  private:
    platform::ChmHelp& help_;
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent, const std::filesystem::path& chmFile)
    : QDialog(parent), help_(std::make_unique<platform::ChmHelp>(chmFile)) {
    setObjectName("HelpWindow");
    setWindowTitle("Ayuda de TransQuimboSeneca");
    resize(640, 480);
    browser_ = new ChmBrowser(this, *help_);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpWindow::showPage(const QString& page) {
    currentPage_ = page;
    browser_->setSource(QUrl(page));
}

void HelpWindow::showContext(std::uint32_t context) {
    const auto topic = help_->topicForContext(context);
    if (!topic) {
        throw Error("El archivo de ayuda no tiene el tema " + std::to_string(context) + ".");
    }
    showPage(QString::fromStdString(*topic));
}

void HelpWindow::showContents() {
    currentPage_ = "contents";
    browser_->setHtml(QString::fromStdString(help_->contentsPage()));
}

HelpWindow* openHelp(QWidget* parent, const std::filesystem::path& chmFile, std::uint32_t context,
                     bool contents) {
    if (platform::openSystemHelp(chmFile.string().c_str(), context, contents)) {
        return nullptr;
    }
    try {
        auto window = std::make_unique<HelpWindow>(parent, chmFile);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (contents) {
            window->showContents();
        } else {
            window->showContext(context);
        }
        window->show();
        return window.release();  // owned by its parent from here on
    } catch (const std::exception& error) {
        showErrorReport(parent, QString::fromUtf8(error.what()));
        return nullptr;
    }
}

}  // namespace quimbo::gui
