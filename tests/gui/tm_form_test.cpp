#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/gui/gradient_panel.hpp"
#include "app/gui/help_window.hpp"
#include "app/gui/tm_form.hpp"
#include "app/gui/widget_seam.hpp"
#include "dialogs/cursos.hpp"
#include "dialogs/data_grid.hpp"
#include "dialogs/plantihoras.hpp"
#include "gui/gui_support.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

using quimbo::gui::TMForm;

class TMFormTest : public QObject {
    Q_OBJECT

    quimbo::gui::FormPlaces places(const quimbo::test::TempDir& dir) {
        std::filesystem::create_directories(dir / "QTEMP");
        return {dir / "QTEMP", dir.path()};
    }

  private slots:
    void controlsAreLaidOutAsDesigned() {
        quimbo::test::TempDir dir;
        TMForm form({}, places(dir));
        QCOMPARE(form.windowTitle(), QString("Exportar e importar datos entre Tempario y Séneca"));
        QCOMPARE(form.size(), QSize(632, 266));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        struct Control {
            const char* name;
            QRect bounds;
            const char* text;
        };
        const Control controls[] = {
            {"Draw3D2", {1, 0, 315, 169}, nullptr},
            {"Label3", {24, 24, 265, 57}, "Transformar datos desde Séneca hacia Tempario "},
            {"BExportar", {96, 120, 89, 25}, "Aceptar"},
            {"Draw3D3", {316, 0, 317, 169}, nullptr},
            {"Label4", {8, 24, 305, 57}, "Transformar datos desde Tempario hacia Séneca"},
            {"BImportar", {96, 120, 89, 25}, "Aceptar"},
            {"Draw3D1", {0, 168, 633, 97}, nullptr},
            {"Label1", {8, 72, 227, 13}, "TransTemparioSéneca para TM15 V-1.0"},
            {"BClose", {256, 32, 89, 25}, "&Salir"},
            {"Button1", {264, 67, 75, 19}, "F1 AYUDA"},
        };
        for (const Control& c : controls) {
            auto* widget = form.findChild<QWidget*>(c.name);
            QVERIFY2(widget, c.name);
            QCOMPARE(widget->geometry(), c.bounds);
            if (auto* button = qobject_cast<QPushButton*>(widget); button && c.text) {
                QCOMPARE(button->text(), QString::fromUtf8(c.text));
            }
            if (auto* label = qobject_cast<QLabel*>(widget); label && c.text) {
                QCOMPARE(label->text(), QString::fromUtf8(c.text));
            }
        }
        auto* exportLabel = form.findChild<QLabel*>("Label3");
        QCOMPARE(exportLabel->font().family(), QString("Arial"));
        QCOMPARE(exportLabel->font().pointSize(), 12);
        QVERIFY(exportLabel->font().bold());
        QVERIFY(exportLabel->wordWrap());
        QVERIFY(!form.findChild<QPushButton*>("BExportar")->icon().isNull());

        auto* top = form.findChild<quimbo::gui::Draw3D*>("Draw3D2");
        QCOMPARE(top->startColor(), QColor(0xF9D37D));
        QCOMPARE(top->middleColor(), QColor(0xFFFFFF));
        QCOMPARE(top->endColor(), QColor(0xFFEEDD));
        auto* bottom = form.findChild<quimbo::gui::Draw3D*>("Draw3D1");
        QCOMPARE(bottom->startColor(), QColor(0xC2CDFE));
        QCOMPARE(bottom->middleColor(), QColor(0xCFF2FE));
        QCOMPARE(bottom->endColor(), QColor(0xCCD8E6));

        auto* dialog = form.findChild<QFileDialog*>("OpenDialogXML");
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Archivo XML"));
        QCOMPARE(dialog->nameFilters(), QStringList{"*.xml"});
        QCOMPARE(dialog->defaultSuffix(), QString("xml"));
        QVERIFY(!dialog->isVisible());
    }

    void commandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("modoAnfitrion");
        QTest::addColumn<bool>("frameless");
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QStringList>("messages");

        const QString minusOne = "[Transformadores]\r\nTransformado=-1\r\n";
        const QString zero = "[Transformadores]\r\nTransformado=0\r\n";
        const QStringList noFile = {"No existe archivo"};
        QTest::newRow("none") << QStringList{} << 0 << false << ""
                              << "" << QStringList{};
        QTest::newRow("one") << QStringList{"exportar"} << 0 << false << ""
                             << "" << QStringList{};
        QTest::newRow("exportar") << QStringList{"exportar", "1A2B"} << 2 << true << "exportar"
                                  << minusOne << noFile;
        QTest::newRow("capitals") << QStringList{"EXPORTAR", "ffffffff"} << 2 << true << "exportar"
                                  << minusOne << noFile;
        QTest::newRow("mixed case")
            << QStringList{"ImPoRtAr", "0"} << 2 << true << "importar" << minusOne << noFile;
        QTest::newRow("leading blank")
            << QStringList{" exportar", "1A"} << 2 << true << "" << zero << QStringList{};
        QTest::newRow("trailing blank")
            << QStringList{"importar ", "1A"} << 2 << true << "" << zero << QStringList{};
        QTest::newRow("neither direction")
            << QStringList{"otra", "1A"} << 2 << true << "" << zero << QStringList{};
        QTest::newRow("three") << QStringList{"exportar", "1A", "x"} << 0 << false << ""
                               << "" << QStringList{};
        QTest::newRow("bad handle")
            << QStringList{"exportar", "xyz"} << 0 << false << "exportar"
            << "" << QStringList{"'$xyz' no es un valor entero válido", "No existe archivo"};
        QTest::newRow("handle too long")
            << QStringList{"importar", "123456789"} << 0 << false << "importar"
            << "" << QStringList{"'$123456789' no es un valor entero válido", "No existe archivo"};
    }

    void commandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(int, modoAnfitrion);
        QFETCH(bool, frameless);
        QFETCH(QString, started);
        QFETCH(QString, ini);
        QFETCH(QStringList, messages);
        quimbo::test::TempDir dir;
        quimbo::test::RecordedMessages recorded;
        TMForm form(arguments, places(dir));
        QSignalSpy runs(&form, &TMForm::runStarted);
        form.seam().fileChooserForTesting = [] { return std::nullopt; };  // cancelled
        form.FormShow();
        QCOMPARE(form.state().modoAnfitrion, modoAnfitrion);
        QCOMPARE(bool(form.windowFlags() & Qt::FramelessWindowHint), frameless);
        QCOMPARE(runs.size(), started.isEmpty() ? 0 : 1);
        if (!started.isEmpty()) {
            QCOMPARE(runs.front().front().toString(), started);
        }
        form.close();
        QVERIFY(form.hasClosed());
        QCOMPARE(recorded.texts, messages);
        const auto iniPath = dir / "Tempario.ini";
        QCOMPARE(std::filesystem::exists(iniPath), !ini.isEmpty());
        if (!ini.isEmpty()) {
            QCOMPARE(QString::fromStdString(quimbo::test::readFile(iniPath)), ini);
        }
    }

    void closingInHostModeKeepsTheRestOfTempariosIni() {
        quimbo::test::TempDir dir;
        const std::string before =
            "; configuración de Tempario\r\n[General]\r\nRuta=C:\\TM15\r\n\r\n"
            "[Transformadores]\r\nTransformado=1\r\nOtro=x\r\n";
        quimbo::test::writeFile(dir / "Tempario.ini", before);
        TMForm form({"otra", "1A"}, places(dir));
        form.close();
        QCOMPARE(QString::fromStdString(quimbo::test::readFile(dir / "Tempario.ini")),
                 QString::fromStdString(
                     "; configuración de Tempario\r\n[General]\r\nRuta=C:\\TM15\r\n\r\n"
                     "[Transformadores]\r\nTransformado=0\r\nOtro=x\r\n"));
    }

    void anUnwritableIniKeepsTheWindowOpen() {
        quimbo::test::TempDir dir;
        quimbo::test::RecordedMessages recorded;
        quimbo::gui::FormPlaces where = places(dir);
        where.programDirectory = dir / "no-existe";
        TMForm form({"otra", "1A"}, where);
        form.show();
        form.close();
        QVERIFY(!form.hasClosed());
        QVERIFY(form.isVisible());
        QCOMPARE(recorded.texts,
                 QStringList{QString::fromStdString(
                     "Unable to write to " + (dir / "no-existe" / "Tempario.ini").string())});
    }

    void aRunErrorIsShownAndTheWindowStaysOpen() {
        quimbo::test::TempDir dir;
        quimbo::test::RecordedMessages recorded;
        const auto file = dir / "centro.xml";
        quimbo::test::writeFile(file,
                                "<SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"A\"><dato>2026"
                                "</dato><dato>1</dato></grupo_datos></BLOQUE_DATOS>"
                                "</SERVICIO>");
        quimbo::gui::FormPlaces where = places(dir);
        where.qtemp = dir / "QTEMP-que-no-existe";
        TMForm form({}, where);
        form.show();
        form.seam().fileChooserForTesting = [&] { return QString::fromStdString(file.string()); };
        QTest::mouseClick(form.findChild<QPushButton*>("BExportar"), Qt::LeftButton);
        QCOMPARE(recorded.texts.size(), 1);
        QVERIFY2(recorded.texts.front().contains("No se puede crear la tabla"),
                 qPrintable(recorded.texts.front()));
        QVERIFY(form.isVisible());
        QVERIFY(form.findChild<QPushButton*>("BExportar")->isEnabled());
        QCOMPARE(form.state().resultado, 0);
        QCOMPARE(form.state().rutaXml, file.string());
    }

    void aWholeExportRunThroughTheRealDialogs() {
        quimbo::test::TempDir dir;
        quimbo::test::RecordedMessages recorded;
        quimbo::gui::FormPlaces where = places(dir);
        where.programDirectory = QUIMBO_BIN_DIR;  // SENEMATERIAS.DBF
        TMForm form({}, where);
        form.show();
        form.seam().fileChooserForTesting = [] {
            return QString(QUIMBO_SOURCE_DIR "/examples/ies_alminar.xml");
        };
        int courseDialogs = 0;
        int frameDialogs = 0;
        // Answers each modal dialog as the user would, as soon as it is shown.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* courses = qobject_cast<quimbo::dialogs::TControlCursos*>(modal)) {
                ++courseDialogs;
                QAbstractItemModel* model = courses->grid()->model();
                for (int row = 0; row < model->rowCount(); ++row) {
                    model->setData(model->index(row, 2), "ESO");
                    model->setData(model->index(row, 3), QString::number(row + 1));
                }
                courses->findChild<QPushButton*>("BitBtn1")->click();
            } else if (auto* frames = qobject_cast<quimbo::dialogs::TPlantillas*>(modal)) {
                ++frameDialogs;
                auto* list = frames->findChild<QListWidget*>("ListBox2");
                list->item(0)->setSelected(true);
                list->item(1)->setSelected(true);
                frames->findChild<QPushButton*>("BitBtnContinuar")->click();
            }
        });
        answer.start(20);
        QTest::mouseClick(form.findChild<QPushButton*>("BExportar"), Qt::LeftButton);
        answer.stop();
        QCOMPARE(courseDialogs, 1);
        QCOMPARE(frameDialogs, 1);
        QCOMPARE(recorded.texts, QStringList{"Proceso finalizado"});
        QVERIFY(!form.findChild<QPushButton*>("BExportar")->isEnabled());
        QVERIFY(!form.findChild<QPushButton*>("BImportar")->isEnabled());
        QCOMPARE(form.state().resultado, 1);
        QCOMPARE(quimbo::test::readColumn(dir / "QTEMP", "GRUPOST", "ABREV").front(),
                 std::string("ESO1A"));
        QCOMPARE(quimbo::test::readRows(dir / "QTEMP", "DIASHORAST").size(), std::size_t(70));
        QVERIFY(QApplication::overrideCursor() == nullptr);  // the normal cursor is back
    }

    void theMessageBoxHasTheApplicationsCaptionAndOneButton() {
        QMessageBox* box = quimbo::gui::createMessageBox(nullptr, "Proceso finalizado");
        QCOMPARE(box->windowTitle(), QString("TransQuimboSeneca"));
        QCOMPARE(box->text(), QString("Proceso finalizado"));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().front()->text(), QString("Aceptar"));
        delete box;
    }

    void helpOpensTheRightTopic() {
        quimbo::test::TempDir dir;
        quimbo::gui::FormPlaces where = places(dir);
        where.programDirectory = QUIMBO_BIN_DIR;
        TMForm form({}, where);
        form.show();
        QTest::keyClick(&form, Qt::Key_F1);
        auto* help = qobject_cast<quimbo::gui::HelpWindow*>(form.lastHelpWindow());
        QVERIFY(help);
        QCOMPARE(help->currentPage(), QString("/principal.htm"));
        QVERIFY(help->browser()->toPlainText().contains("La ventana principal"));
        help->close();
        QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        help = qobject_cast<quimbo::gui::HelpWindow*>(form.lastHelpWindow());
        QVERIFY(help);
        QCOMPARE(help->currentPage(), QString("contents"));
        QVERIFY(help->browser()->toPlainText().contains("Elegir los Marcos Horarios"));
    }
};

QObject* makeTMFormTest() {
    return new TMFormTest;
}

#include "tm_form_test.moc"
