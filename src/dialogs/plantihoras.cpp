#include "dialogs/plantihoras.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include "app/gui/gradient_panel.hpp"
#include "app/gui/help_window.hpp"
#include "app/gui/message_box.hpp"
#include "export/marcos_horarios.hpp"
#include "platform/paths.hpp"
#include "text/codepage.hpp"

namespace quimbo::dialogs {

namespace {

QString shown(const std::string& cp1252) {
    return QString::fromStdString(codepage::cp1252ToUtf8(cp1252));
}

QLabel* addLabel(QWidget* parent, const char* name, const QRect& bounds, const QString& text,
                 const QFont& font, const QString& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    label->setWordWrap(true);
    label->setFont(font);
    label->setStyleSheet("color: " + colour + "; background: transparent;");
    return label;
}

QFont arial(int pixels, bool italic = false, bool underline = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace

TPlantillas::TPlantillas(QWidget* parent, std::string rutaXml)
    : QDialog(parent), rutaXml_(std::move(rutaXml)) {
    setObjectName("Plantillas");
    setWindowTitle("Planillas, Marcos o Jornadas Horarias");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(369, 281);
    move(424, 285);
    QFont base("MS Sans Serif");
    base.setPixelSize(11);
    setFont(base);

    auto* panel = new gui::Draw3D(this, QColor(0x87CEEB), Qt::white, QColor(0x434E54));
    panel->setObjectName("Draw3D1");
    panel->setGeometry(0, 0, 369, 281);

    addLabel(panel, "LabelPlantillas", {16, 2, 321, 33},
             "Seleccione 1, o los 2 Marcos Horarios que quiere aplicar a su Horario en Tempario.",
             arial(13), "palette(window-text)");
    addLabel(panel, "LabelSelec", {16, 36, 321, 50},
             "Para seleccionar mas de un Marco Horario, mantenga (Ctrl) pulsado y seleccione cada "
             "marco con 1 click del botón izquierdo del ratón.",
             arial(13, true), "red");
    addLabel(panel, "LabelMarcos", {40, 86, 74, 16}, "MARCOS", arial(16), "maroon");
    addLabel(panel, "Label1", {215, 86, 67, 18}, "HORAS", arial(16), "maroon");

    ListBox2 = new QListWidget(panel);
    ListBox2->setObjectName("ListBox2");
    ListBox2->setGeometry(16, 103, 127, 45);
    ListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1 = new QListWidget(panel);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(152, 103, 193, 146);

    LabelNombre =
        addLabel(panel, "LabelNombre", {9, 151, 120, 41}, "-", arial(16, false, true), "maroon");
    LabelPlanFec1 = addLabel(panel, "LabelPlanFec1", {9, 196, 120, 23}, "-", arial(16), "maroon");
    LabelPlanFec2 = addLabel(panel, "LabelPlanFec2", {9, 226, 120, 23}, "-", arial(16), "maroon");

    ComboBoxPlantilla = new QComboBox(panel);
    ComboBoxPlantilla->setObjectName("ComboBoxPlantilla");
    ComboBoxPlantilla->setGeometry(150, 254, 81, 21);
    ComboBoxPlantilla->setStyleSheet("background: yellow;");
    ComboBoxPlantilla->hide();

    BitBtnContinuar =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), "Continuar", panel);
    BitBtnContinuar->setObjectName("BitBtnContinuar");
    BitBtnContinuar->setGeometry(255, 253, 89, 25);
    QFont bold = base;
    bold.setBold(true);
    BitBtnContinuar->setFont(bold);

    setTabOrder(BitBtnContinuar, ComboBoxPlantilla);
    setTabOrder(ComboBoxPlantilla, ListBox1);
    setTabOrder(ListBox1, ListBox2);

    connect(BitBtnContinuar, &QPushButton::clicked, this, &TPlantillas::close);
    connect(ListBox2, &QListWidget::itemClicked, this, &TPlantillas::ListBox2Click);
    connect(ComboBoxPlantilla, &QComboBox::currentIndexChanged, this,
            &TPlantillas::ComboBoxPlantillaChange);
}

TPlantillas::~TPlantillas() = default;

std::string TPlantillas::marcosSeleccionados() const {
    return MarcosSeleccionados.toLatin1().toStdString();
}

void TPlantillas::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TPlantillas::FormActivate() {
    document_ = std::make_unique<access::XmlDocument>();
    bool loaded = false;
    try {
        loaded = document_->load(platform::pathFromUtf8(rutaXml_)).wellFormed;
    } catch (const std::exception&) {
        loaded = false;  // reported by the step, outside this event handler
    }
    const auto marcos = exporta::marcosDelDocumento(*document_);
    sinMarcos_ = !loaded || marcos.size() < 2;
    if (sinMarcos_) {
        return;  // the step that showed the dialog ends the run with its own message
    }
    const QSignalBlocker blocker(ComboBoxPlantilla);
    ComboBoxPlantilla->clear();
    ListBox2->clear();
    for (const exporta::MarcoHorario& marco : marcos) {
        ComboBoxPlantilla->addItem(shown(marco.codigo));
        ListBox2->addItem(shown(marco.codigo));
    }
    ComboBoxPlantilla->setCurrentIndex(0);
    ComboBoxPlantillaChange();
}

void TPlantillas::ComboBoxPlantillaChange() {
    if (!document_) {
        return;
    }
    const std::string code = codepage::utf8ToCp1252(ComboBoxPlantilla->currentText().toStdString());
    LabelNombre->setText("-");
    LabelPlanFec1->setText("-");
    LabelPlanFec2->setText("-");
    const auto marcos = exporta::marcosDelDocumento(*document_);
    if (marcos.size() > 1) {
        for (const exporta::MarcoHorario& marco : marcos) {
            if (marco.codigo == code) {  // the last of several with that code is shown
                LabelNombre->setText(shown(marco.nombre));
                LabelPlanFec1->setText(shown(marco.fechaInicio));
                LabelPlanFec2->setText(shown(marco.fechaFin));
            }
        }
    }
    const auto tramos = exporta::tramosDelMarco(*document_, code);
    ListBox1->clear();
    for (const std::string& tramo : tramos) {
        ListBox1->addItem(shown(tramo));
    }
}

void TPlantillas::ListBox2Click() {
    const int focused = ListBox2->currentRow();
    if (focused >= 0) {
        ComboBoxPlantilla->setCurrentIndex(focused);
        ComboBoxPlantillaChange();
    }
}

void TPlantillas::FormClose() {
    std::vector<std::string> selected;
    for (int i = 0; i < ListBox2->count(); ++i) {
        if (ListBox2->item(i)->isSelected()) {
            selected.push_back(codepage::utf8ToCp1252(ListBox2->item(i)->text().toStdString()));
        }
    }
    const exporta::SeleccionMarcos verdict = exporta::juzgarSeleccion(selected);
    SeleccionCorrecta = verdict.correcta;
    MarcosSeleccionados = QString::fromLatin1(verdict.marcosSeleccionados.c_str(),
                                              static_cast<int>(verdict.marcosSeleccionados.size()));
    if (!verdict.mensaje.empty() && !sinMarcos_) {
        gui::showMessage(this, QString::fromStdString(verdict.mensaje));
    }
}

void TPlantillas::closeEvent(QCloseEvent* event) {
    if (!judged_) {
        judged_ = true;
        FormClose();
    }
    QDialog::closeEvent(event);  // the closing goes ahead in every case
}

void TPlantillas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        gui::openHelp(this, platform::programDirectory() / "SENECA.chm", 3, false);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();  // there is no way to cancel: an escape is a close, judged like any other
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quimbo::dialogs
