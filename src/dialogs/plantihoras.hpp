#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "access/xml_document.hpp"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quimbo::dialogs {

// "Planillas, Marcos o Jornadas Horarias": the user chooses one or two of the file's time frames
// and sees the name, dates and slots of the last one clicked. Every close is judged.
class TPlantillas : public QDialog {
    Q_OBJECT
  public:
    // `rutaXml` is the Séneca file (UTF-8 path), which the dialog reads again for itself.
    TPlantillas(QWidget* parent, std::string rutaXml);
    ~TPlantillas() override;

    QString MarcosSeleccionados;  // Windows-1252 bytes held as Latin-1
    bool SeleccionCorrecta = false;
    std::string marcosSeleccionados() const;
    // True when the file could not be read or holds no frame to offer.
    bool sinMarcos() const { return sinMarcos_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormActivate();
    void ComboBoxPlantillaChange();
    void ListBox2Click();
    void FormClose();

    std::string rutaXml_;
    std::unique_ptr<access::XmlDocument> document_;
    bool activated_ = false;
    bool judged_ = false;
    bool sinMarcos_ = false;
    QLabel* LabelNombre;
    QLabel* LabelPlanFec1;
    QLabel* LabelPlanFec2;
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QComboBox* ComboBoxPlantilla;
    QPushButton* BitBtnContinuar;
};

}  // namespace quimbo::dialogs
