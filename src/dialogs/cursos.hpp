#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

#include "access/table.hpp"

class QLabel;
class QPushButton;
class QToolButton;

namespace quimbo::gui {
class Draw3D;
}

namespace quimbo::dialogs {

class CursosTableModel;
class DataGrid;

// "Asignación de Niveles y Cursos": the user types each course's level and grade in a grid over
// CURSOST; "Aceptar" checks that none is missing, and from the second showing on the exit can
// be forced.
class TControlCursos : public QDialog {
    Q_OBJECT
  public:
    TControlCursos(QWidget* parent, const std::filesystem::path& qtemp, bool reintento);
    ~TControlCursos() override;

    bool DatosIncompletos = false;
    bool salidaForzada() const { return Salida == "fuera"; }
    QString Salida;

    DataGrid* grid() const { return CursosTDBGrid; }
    // The error that stopped the dialog (the table could not be opened or read), if any; the
    // step raises it once the dialog has closed, so that it never crosses an event handler.
    const QString& failure() const { return failure_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void releaseTable();
    void buildNavigator(QWidget* parent);
    QLabel* label(const char* name, const QRect& bounds, const QString& text, const QString& style,
                  int pointSize = 8);

    void fail(const std::exception& error);

    bool reintento_;
    QString failure_;
    bool shown_ = false;
    std::unique_ptr<access::Table> wwTableCursosT;
    std::unique_ptr<CursosTableModel> model_;
    gui::Draw3D* Draw3D1;
    DataGrid* CursosTDBGrid;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label8;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

}  // namespace quimbo::dialogs
