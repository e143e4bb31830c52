#include "app/gui/tm_form.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/command_line.hpp"
#include "app/export_run.hpp"
#include "app/gui/gradient_panel.hpp"
#include "app/gui/help_window.hpp"
#include "app/gui/message_box.hpp"
#include "app/gui/widget_seam.hpp"
#include "app/timetable_run.hpp"
#include "platform/gui/window_embedding.hpp"
#include "platform/ini_file.hpp"
#include "platform/paths.hpp"

namespace quimbo::gui {

namespace {

constexpr std::uint32_t kHelpContext = 1;

std::vector<std::string> toStrings(const QStringList& list) {
    std::vector<std::string> strings;
    for (const QString& item : list) {
        strings.push_back(item.toStdString());
    }
    return strings;
}

QLabel* titleLabel(QWidget* parent, const char* name, const QRect& bounds, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font("Arial", 12);
    font.setBold(true);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QPushButton* okButton(QWidget* parent, const char* name, const QRect& bounds) {
    auto* button = new QPushButton(parent->style()->standardIcon(QStyle::SP_DialogApplyButton),
                                   "Aceptar", parent);
    button->setObjectName(name);
    button->setGeometry(bounds);
    return button;
}

}  // namespace

FormPlaces FormPlaces::fromPlatform() {
    return {platform::qtempDirectory(), platform::programDirectory()};
}

TMForm::TMForm(QStringList arguments, FormPlaces places, QWidget* parent)
    : QWidget(parent), arguments_(std::move(arguments)), places_(std::move(places)) {
    buildControls();
    seam_ = std::make_unique<WidgetSeam>(*this, *OpenDialogXML, state_, places_.qtemp);
    FormCreate();
}

TMForm::~TMForm() = default;

void TMForm::buildControls() {
    setObjectName("MForm");
    setWindowTitle("Exportar e importar datos entre Tempario y Séneca");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(632, 266);
    setFont(QFont("MS Sans Serif", 8));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    const QColor sand(0xF9D37D);
    const QColor cream(0xFFEEDD);
    Draw3D2 = new Draw3D(this, sand, Qt::white, cream);
    Draw3D2->setObjectName("Draw3D2");
    Draw3D2->setGeometry(1, 0, 315, 169);
    titleLabel(Draw3D2, "Label3", {24, 24, 265, 57},
               "Transformar datos desde Séneca hacia Tempario ");
    BExportar = okButton(Draw3D2, "BExportar", {96, 120, 89, 25});

    Draw3D3 = new Draw3D(this, sand, Qt::white, cream);
    Draw3D3->setObjectName("Draw3D3");
    Draw3D3->setGeometry(316, 0, 317, 169);
    titleLabel(Draw3D3, "Label4", {8, 24, 305, 57},
               "Transformar datos desde Tempario hacia Séneca");
    BImportar = okButton(Draw3D3, "BImportar", {96, 120, 89, 25});

    Draw3D1 = new Draw3D(this, QColor(0xC2CDFE), QColor(0xCFF2FE), QColor(0xCCD8E6));
    Draw3D1->setObjectName("Draw3D1");
    Draw3D1->setGeometry(0, 168, 633, 97);
    auto* version = new QLabel("TransTemparioSéneca para TM15 V-1.0", Draw3D1);
    version->setObjectName("Label1");
    version->setGeometry(8, 72, 227, 13);
    QFont bold = font();
    bold.setBold(true);
    version->setFont(bold);
    version->setStyleSheet("color: red; background: transparent;");
    BClose =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Salir", Draw3D1);
    BClose->setObjectName("BClose");
    BClose->setGeometry(256, 32, 89, 25);
    Button1 = new QPushButton("F1 AYUDA", Draw3D1);
    Button1->setObjectName("Button1");
    Button1->setGeometry(264, 67, 75, 19);

    OpenDialogXML = new QFileDialog(this, "Archivo XML");
    OpenDialogXML->setObjectName("OpenDialogXML");
    OpenDialogXML->setNameFilter("*.xml");
    OpenDialogXML->setDefaultSuffix("xml");
    OpenDialogXML->setDirectory(
        QString::fromStdString(platform::pathToUtf8(platform::senecaDirectory())));
    OpenDialogXML->setFileMode(QFileDialog::AnyFile);  // a typed name that does not exist is
                                                       // answered with "No existe archivo"
    OpenDialogXML->setAcceptMode(QFileDialog::AcceptOpen);

    connect(BExportar, &QPushButton::clicked, this, &TMForm::BExportarClick);
    connect(BImportar, &QPushButton::clicked, this, &TMForm::BImportarClick);
    connect(BClose, &QPushButton::clicked, this, &TMForm::close);
    connect(Button1, &QPushButton::clicked, this, &TMForm::Button1Click);
}

void TMForm::FormCreate() {
    state_.resultado = 0;
    if (arguments_.size() != 2) {
        return;
    }
    try {
        const std::uint32_t handle = app::windowHandle(arguments_[1].toStdString());
        // The border goes before the parent is set: changing the flags recreates the native
        // window and would drop the foreign parent.
        setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
        platform::embedInForeignWindow(*this, handle);
        state_.modoAnfitrion = static_cast<std::int32_t>(arguments_.size());
    } catch (const std::exception& error) {
        showErrorReport(this, QString::fromUtf8(error.what()));
    }
}

void TMForm::FormShow() {
    switch (app::startDirection(toStrings(arguments_))) {
        case app::StartDirection::Importar:
            BImportarClick();
            break;
        case app::StartDirection::Exportar:
            BExportarClick();
            break;
        case app::StartDirection::None:
            break;
    }
}

void TMForm::runReportingErrors(app::RunOutcome (*run)(app::ProcessState&, app::Seam&,
                                                       const app::Environment&)) {
    try {
        run(state_, *seam_, {places_.qtemp, places_.programDirectory});
    } catch (const std::exception& error) {
        showErrorReport(this, QString::fromUtf8(error.what()));
    }
}

void TMForm::BExportarClick() {
    emit runStarted("exportar");
    runReportingErrors(&app::BExportarClick);
}

void TMForm::BImportarClick() {
    emit runStarted("importar");
    runReportingErrors(&app::BImportarClick);
}

void TMForm::Button1Click() {
    lastHelp_ = openHelp(this, places_.programDirectory / "SENECA.chm", 0, true);
}

void TMForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        lastHelp_ = openHelp(this, places_.programDirectory / "SENECA.chm", kHelpContext, false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMForm::disableConversionButtons() {
    BExportar->setEnabled(false);
    BImportar->setEnabled(false);
}

void TMForm::closeEvent(QCloseEvent* event) {
    if (state_.modoAnfitrionActivo()) {
        try {
            platform::writeIniValue(places_.programDirectory / "Tempario.ini", "Transformadores",
                                    "Transformado", std::to_string(state_.resultado));
        } catch (const std::exception& error) {
            showErrorReport(this, QString::fromUtf8(error.what()));
            event->ignore();
            return;
        }
    }
    closed_ = true;
    event->accept();
}

}  // namespace quimbo::gui
