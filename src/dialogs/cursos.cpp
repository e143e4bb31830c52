#include "dialogs/cursos.hpp"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/gui/gradient_panel.hpp"
#include "app/gui/help_window.hpp"
#include "app/gui/message_box.hpp"
#include "dialogs/cursos_table_model.hpp"
#include "dialogs/data_grid.hpp"
#include "export/course_dialog.hpp"
#include "export/working_tables.hpp"
#include "platform/paths.hpp"

namespace quimbo::dialogs {

namespace {

constexpr int kCharacterWidth = 7;  // the grid's column widths are given in characters

struct NavigatorButton {
    const char* name;
    const char* text;
    const char* hint;
};

const NavigatorButton kNavigator[] = {
    {"nbFirst", "|<", "Move to first record"},
    {"nbPriorPage", "<<", "Move backward 10 records"},
    {"nbPrior", "<", "Move to prior record"},
    {"nbNext", ">", "Move to next record"},
    {"nbNextPage", ">>", "Move forward 10 records"},
    {"nbLast", ">|", "Move to last record"},
    {"nbEdit", "^", "Edit current record"},
    {"nbPost", "\u2713", "Post changes of current record"},
    {"nbCancel", "x", "Cancel changes made to current record"},
    {"nbRefresh", "\u21BB", "Refresh the contents of the dataset"},
};

}  // namespace

QLabel* TControlCursos::label(const char* name, const QRect& bounds, const QString& text,
                              const QString& style, int pointSize) {
    auto* result = new QLabel(text, Draw3D1);
    result->setObjectName(name);
    result->setGeometry(bounds);
    result->setWordWrap(true);
    QFont font("MS Sans Serif", pointSize);
    font.setBold(true);
    result->setFont(font);
    result->setStyleSheet(style);
    return result;
}

TControlCursos::TControlCursos(QWidget* parent, const std::filesystem::path& qtemp, bool reintento)
    : QDialog(parent),
      reintento_(reintento),
      wwTableCursosT(
          std::make_unique<access::Table>(qtemp, std::string(tables::kCursos) + ".DBF")) {
    setObjectName("ControlCursos");
    setWindowTitle("Asignación de Niveles y Cursos");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(686, 499);
    move(283, 200);
    setFont(QFont("MS Sans Serif", 8));

    Draw3D1 = new gui::Draw3D(this, QColor(0x008000), Qt::white, QColor(0x008000));
    Draw3D1->setObjectName("Draw3D1");
    Draw3D1->setGeometry(0, 0, 686, 499);

    QLabel* title =
        label("Label1", {86, 5, 320, 20}, "ASIGNACIÓN DE NIVELES Y CURSOS", "color: white;", 12);
    QFont titleFont = title->font();
    titleFont.setUnderline(true);
    title->setFont(titleFont);
    buildNavigator(Draw3D1);

    CursosTDBGrid = new DataGrid(Draw3D1);
    CursosTDBGrid->setObjectName("CursosTDBGrid");
    CursosTDBGrid->setGeometry(3, 56, 454, 433);
    CursosTDBGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CursosTDBGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    CursosTDBGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    CursosTDBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    CursosTDBGrid->horizontalHeader()->setStyleSheet(
        "QHeaderView::section { background: #FEE4A9; }");
    CursosTDBGrid->horizontalHeader()->setMinimumHeight(34);  // titles on two lines
    CursosTDBGrid->setStyleSheet("QTableView { background: #F0FBFF; }");

    Label3 = label("Label3", {468, 56, 190, 13}, "INCIDENCIAS EN EL TRASPASO",
                   "color: red; background: white; text-decoration: underline;");
    Label3->setAlignment(Qt::AlignCenter);
    Label2 = label("Label2", {473, 72, 180, 65},
                   "Se ha detectado que falta por indicar algún NIVEL  o CURSO. Complete el/los "
                   "datos que falten, para poder concluir el proceso, antes de Salir.",
                   "color: red; background: yellow;");
    label("Label4", {471, 140, 116, 16}, "¡ IMPORTANTE !",
          "color: red; text-decoration: underline;", 10);
    label("Label5", {472, 156, 185, 52},
          "Las Abreviaturas de sus Grupos (Unidades), se formarán, en función del NIVEL y CURSO, "
          "del siguiente modo: ",
          "color: maroon;");
    label("Label6", {472, 207, 140, 39}, "Por ejemplo, NIVEL=ESO y CURSO=1 daría como resultado",
          "color: blue;");
    label("Label10", {473, 244, 180, 13}, "Abreviatura del Grupo = ESO1A",
          "color: fuchsia; text-decoration: underline;");
    label("Label7", {472, 257, 200, 39},
          "y así secuencialmente para el resto de Grupos del mismo NIVEL y CURSO, ESO1B, ESO1C.",
          "color: purple;");
    label("Label11", {462, 300, 215, 52},
          "Ejemplos de Niveles: BCT=Bach.C.T., BHC=Bach.Hum., BT=Bach.Tecnol., LS=Leng.Signos, "
          "GAD=Gest.Admin., EDSO=ESO Diversificación, etc...",
          "color: maroon; background: white;");
    label("Label9", {462, 354, 217, 39},
          "Luego es de vital IMPORTANCIA que para cada NIVEL sus 5 Primeros caracteres sean "
          "DISTINTOS.",
          "color: red; background: skyblue; text-decoration: underline;");

    BitBtn1 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), "Aceptar", Draw3D1);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(519, 397, 101, 25);
    BitBtn1->setDefault(true);
    QFont bold = BitBtn1->font();
    bold.setBold(true);
    BitBtn1->setFont(bold);
    BitBtn2 = new QPushButton("Forzar Salida Sin Terminar Proceso ", Draw3D1);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(463, 424, 218, 24);
    BitBtn2->setFont(bold);
    BitBtn2->setStyleSheet("color: red;");
    Label8 = label("Label8", {479, 450, 182, 39},
                   "¡ Atención ! Si fuerza la Salida, los Datos recogidos serán INCOHERENTES.",
                   "color: red; background: yellow;");
    Label8->setAlignment(Qt::AlignCenter);
    for (QWidget* hidden : std::initializer_list<QWidget*>{Label3, Label2, BitBtn2, Label8}) {
        hidden->hide();
    }

    connect(BitBtn1, &QPushButton::clicked, this, &TControlCursos::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TControlCursos::BitBtn2Click);
    connect(CursosTDBGrid, &DataGrid::columnEntered, this, [this] {
        BitBtn2->hide();
        Label8->hide();
    });
    setTabOrder(CursosTDBGrid, BitBtn1);
}

TControlCursos::~TControlCursos() {
    CursosTDBGrid->setModel(nullptr);  // the grid must not outlive the model it shows
}

void TControlCursos::buildNavigator(QWidget* parent) {
    auto* navigator = new QWidget(parent);
    navigator->setObjectName("wwDBNavigator1");
    navigator->setGeometry(105, 29, 275, 24);
    const int width = 275 / 10;
    for (int i = 0; i < 10; ++i) {
        auto* button = new QToolButton(navigator);
        button->setObjectName(kNavigator[i].name);
        button->setText(QString::fromUtf8(kNavigator[i].text));
        button->setToolTip(kNavigator[i].hint);
        button->setGeometry(i * width, 0, width, 24);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(500);
        button->setAutoRepeatInterval(100);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, i] {
            if (!model_) {
                return;
            }
            const int rows = model_->rowCount();
            const QModelIndex here = CursosTDBGrid->currentIndex();
            const int row = here.isValid() ? here.row() : 0;
            const int column = here.isValid() ? here.column() : 2;
            const int targets[] = {0, row - 10, row - 1, row + 1, row + 10, rows - 1};
            if (i < 6) {
                CursosTDBGrid->commitOpenEditor();
                const int target = std::clamp(targets[i], 0, std::max(rows - 1, 0));
                CursosTDBGrid->setCurrentIndex(model_->index(target, column));
            } else if (i == 6) {
                model_->editRow(row);
            } else if (i == 7) {
                CursosTDBGrid->commitOpenEditor();
                model_->post();
            } else if (i == 8) {
                model_->cancel();
            } else {
                model_->refresh();
            }
        });
    }
}

void TControlCursos::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TControlCursos::fail(const std::exception& error) {
    failure_ = QString::fromUtf8(error.what());
    releaseTable();
    reject();
}

void TControlCursos::FormShow() {
    try {
        wwTableCursosT->open();
    } catch (const std::exception& error) {
        fail(error);
        return;
    }
    model_ = std::make_unique<CursosTableModel>(*wwTableCursosT);
    CursosTDBGrid->setModel(model_.get());
    const int widths[] = {10, 40, 5, 3};
    for (int c = 0; c < 4; ++c) {
        CursosTDBGrid->setColumnWidth(c, std::max(widths[c] * kCharacterWidth, 40));
    }
    connect(CursosTDBGrid, &DataGrid::entered, this, [this] {
        const QModelIndex here = CursosTDBGrid->currentIndex();
        if (model_ && wwTableCursosT && !wwTableCursosT->editing()) {
            model_->editRow(here.isValid() ? here.row() : 0);
        }
    });
    connect(CursosTDBGrid, &DataGrid::exited, this, [this] {
        if (model_ && wwTableCursosT) {
            model_->post();
        }
    });
    if (reintento_) {
        BitBtn2->show();
        Label8->show();
    }
}

void TControlCursos::BitBtn1Click() {
    CursosTDBGrid->commitOpenEditor();
    try {
        DatosIncompletos = exporta::faltaAlgunDato(*wwTableCursosT);
    } catch (const std::exception& error) {
        fail(error);
        return;
    }
    if (DatosIncompletos) {
        Label3->show();
        Label2->show();
        gui::showMessage(this, "¡Atención! Falta algún Dato");
        BitBtn2->show();
    }
    releaseTable();
    accept();
}

void TControlCursos::BitBtn2Click() {
    releaseTable();
    DatosIncompletos = false;
    Salida = "fuera";
    accept();
}

void TControlCursos::releaseTable() {
    CursosTDBGrid->setModel(nullptr);
    model_.reset();
    wwTableCursosT.reset();  // closes the table; an unstored edit is dropped
}

void TControlCursos::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        gui::openHelp(this, platform::programDirectory() / "SENECA.chm", 1, false);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quimbo::dialogs
