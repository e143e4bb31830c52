#pragma once

#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "app/process_state.hpp"
#include "app/seam.hpp"

class QFileDialog;
class QLabel;
class QPushButton;

namespace quimbo::gui {

class Draw3D;
class WidgetSeam;

// Where the window finds its files; the defaults are the platform's fixed locations.
struct FormPlaces {
    std::filesystem::path qtemp;             // Tempario's exchange directory
    std::filesystem::path programDirectory;  // Tempario.ini, SENEMATERIAS.DBF, SENECA.chm
    static FormPlaces fromPlatform();
};

// The main window "Exportar e importar datos entre Tempario y Séneca".
class TMForm : public QWidget {
    Q_OBJECT
  public:
    // `arguments` are the command-line arguments without the program name.
    TMForm(QStringList arguments, FormPlaces places, QWidget* parent = nullptr);
    ~TMForm() override;

    // Runs the direction of the command line, before the window is first displayed.
    void FormShow();
    void BExportarClick();
    void BImportarClick();
    void Button1Click();

    void disableConversionButtons();
    bool hasClosed() const { return closed_; }
    const app::ProcessState& state() const { return state_; }
    WidgetSeam& seam() { return *seam_; }
    QWidget* lastHelpWindow() const { return lastHelp_; }

  signals:
    // A conversion starts: "exportar" or "importar".
    void runStarted(const QString& direction);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();
    void runReportingErrors(app::RunOutcome (*run)(app::ProcessState&, app::Seam&,
                                                   const app::Environment&));
    void buildControls();

    QStringList arguments_;
    FormPlaces places_;
    app::ProcessState state_;
    bool closed_ = false;
    QWidget* lastHelp_ = nullptr;
    QFileDialog* OpenDialogXML;
    std::unique_ptr<WidgetSeam> seam_;
    Draw3D* Draw3D1;
    Draw3D* Draw3D2;
    Draw3D* Draw3D3;
    QPushButton* BExportar;
    QPushButton* BImportar;
    QPushButton* BClose;
    QPushButton* Button1;
};

}  // namespace quimbo::gui
