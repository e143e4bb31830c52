#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "access/table.hpp"
#include "app/gui/help_window.hpp"
#include "dialogs/cursos.hpp"
#include "dialogs/data_grid.hpp"
#include "dialogs/plantihoras.hpp"
#include "export/working_tables.hpp"
#include "gui/gui_support.hpp"
#include "support/seneca_builder.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

using quimbo::dialogs::TControlCursos;
using quimbo::dialogs::TPlantillas;
using quimbo::test::TempDir;

namespace {

void writeCourses(const TempDir& qtemp, const std::vector<quimbo::test::Row>& rows) {
    quimbo::test::writeTable(qtemp.path(), "CURSOST", quimbo::tables::cursosFields(), rows);
}

const std::vector<quimbo::test::Row> kTwoCourses = {
    {{"CLAVE", "6001"}, {"ESTUD", "1º ESO"}},
    {{"CLAVE", "6002"}, {"ESTUD", "2º ESO"}},
};

// Types `text` into a cell of the grid as a user does: select it, type, press Tab.
QLineEdit* openEditor(quimbo::dialogs::DataGrid* grid, int row, int column) {
    grid->setFocus();
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // earlier editors go
    return grid->findChild<QLineEdit*>();
}

// Types `text` into a cell of the grid as a user does, and leaves it with Enter.
void typeInto(quimbo::dialogs::DataGrid* grid, int row, int column, const QString& text) {
    QLineEdit* editor = openEditor(grid, row, column);
    QVERIFY(editor);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

std::string fileWithFrames(const TempDir& dir) {
    const auto path = dir / "marcos.xml";
    quimbo::test::writeFile(
        path, quimbo::test::SenecaBuilder()
                  .group("JORNADAS_ESCOLARES",
                         {{{"X", "M"}, {"D", "Mañana"}, {"A", "01/09/2026"}, {"B", "30/06/2027"}},
                          {{"X", "T"}, {"D", "Tarde"}, {"A", "02/09/2026"}, {"B", "29/06/2027"}},
                          {{"X", "N"}, {"D", "Noche"}, {"A", "03/09/2026"}, {"B", "28/06/2027"}}})
                  .group("TRAMOS_HORARIOS",
                         {{{"X", "1"}, {"D", "1ª mañana"}, {"I", "480"}, {"F", "540"}, {"J", "M"}},
                          {{"X", "2"}, {"D", "1ª tarde"}, {"I", "960"}, {"F", "1020"}, {"J", "T"}},
                          {{"X", "3"}, {"D", "2ª mañana"}, {"I", "540"}, {"F", "600"}, {"J", "M"}}})
                  .xml());
    return path.string();
}

QString labelText(QWidget& dialog, const char* name) {
    return dialog.findChild<QLabel*>(name)->text();
}

QStringList items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text());
    }
    return texts;
}

void clickItem(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect area = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, area.center());
}

}  // namespace

class TControlCursosTest : public QObject {
    Q_OBJECT
  private slots:
    void typedLevelsAndGradesAreStoredByAceptar() {
        TempDir qtemp;
        writeCourses(qtemp, kTwoCourses);
        quimbo::test::RecordedMessages recorded;
        TControlCursos dialog(nullptr, qtemp.path(), false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        typeInto(dialog.grid(), 0, 2, "ESO");
        QCOMPARE(dialog.grid()->currentIndex().column(), 3);  // Enter moves to the next column
        typeInto(dialog.grid(), 0, 3, "1");
        QCOMPARE(dialog.grid()->currentIndex(), dialog.grid()->model()->index(1, 0));
        typeInto(dialog.grid(), 1, 2, "BACHILLER");              // cut to the field's 5 characters
        QTest::keyClicks(openEditor(dialog.grid(), 1, 3), "2");  // typed, "Aceptar" at once
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!dialog.DatosIncompletos);
        QVERIFY(recorded.texts.isEmpty());
        QCOMPARE(quimbo::test::readColumn(qtemp.path(), "CURSOST", "NIVEL"),
                 (std::vector<std::string>{"ESO", "BACHI"}));
        QCOMPARE(quimbo::test::readColumn(qtemp.path(), "CURSOST", "CURSO"),
                 (std::vector<std::string>{"1", "2"}));
    }

    void aGapIsReportedOnceAndOffersTheForcedExit() {
        TempDir qtemp;
        writeCourses(qtemp, {{{"CLAVE", "1"}, {"NIVEL", "  "}, {"CURSO", "1"}},
                             {{"CLAVE", "2"}, {"NIVEL", "ESO"}},
                             {{"CLAVE", "3"}, {"NIVEL", "ESO"}, {"CURSO", "3"}}});
        quimbo::test::RecordedMessages recorded;
        TControlCursos dialog(nullptr, qtemp.path(), false);
        dialog.show();
        QVERIFY(!dialog.findChild<QPushButton*>("BitBtn2")->isVisible());
        QVERIFY(!labelText(dialog, "Label2").isEmpty());
        QVERIFY(!dialog.findChild<QLabel*>("Label2")->isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(dialog.DatosIncompletos);
        QCOMPARE(recorded.texts, QStringList{"¡Atención! Falta algún Dato"});
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.findChild<QPushButton*>("BitBtn2")->isHidden());
        QVERIFY(!dialog.findChild<QLabel*>("Label3")->isHidden());
    }

    void aFurtherShowingOffersTheForcedExitUntilTheColumnChanges() {
        TempDir qtemp;
        writeCourses(qtemp, kTwoCourses);
        TControlCursos dialog(nullptr, qtemp.path(), true);
        dialog.show();
        auto* forced = dialog.findChild<QPushButton*>("BitBtn2");
        QVERIFY(forced->isVisible());
        QVERIFY(dialog.findChild<QLabel*>("Label8")->isVisible());
        dialog.grid()->setCurrentIndex(dialog.grid()->model()->index(0, 2));
        dialog.grid()->setCurrentIndex(dialog.grid()->model()->index(0, 3));
        QVERIFY(!forced->isVisible());
        QVERIFY(!dialog.findChild<QLabel*>("Label8")->isVisible());
    }

    void theForcedExitSaysFuera() {
        TempDir qtemp;
        writeCourses(qtemp, kTwoCourses);
        TControlCursos dialog(nullptr, qtemp.path(), true);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        QVERIFY(dialog.salidaForzada());
        QVERIFY(!dialog.DatosIncompletos);
        QVERIFY(!dialog.isVisible());
    }

    void theCloseBoxRunsNoCheckAndDropsAnUnstoredEdit() {
        TempDir qtemp;
        writeCourses(qtemp, kTwoCourses);
        quimbo::test::RecordedMessages recorded;
        auto dialog = std::make_unique<TControlCursos>(nullptr, qtemp.path(), false);
        dialog->show();
        dialog->grid()->setFocus();
        dialog->grid()->setCurrentIndex(dialog->grid()->model()->index(0, 2));
        QTest::keyClicks(dialog->grid(), "ESO");
        dialog->close();
        QVERIFY(!dialog->DatosIncompletos);
        QVERIFY(!dialog->salidaForzada());
        QVERIFY(recorded.texts.isEmpty());
        dialog.reset();
        QCOMPARE(quimbo::test::readColumn(qtemp.path(), "CURSOST", "NIVEL"),
                 (std::vector<std::string>{"", ""}));
    }

    void aTableThatCannotBeOpenedIsReportedAfterTheDialogCloses() {
        TempDir qtemp;  // no CURSOST at all
        TControlCursos dialog(nullptr, qtemp.path(), false);
        dialog.show();
        QVERIFY(dialog.failure().contains("CURSOST.DBF"));
        QVERIFY(!dialog.isVisible());
    }

    void keysAndNamesCannotBeEditedNorRowsAddedOrDeleted() {
        TempDir qtemp;
        quimbo::test::RecordedMessages recorded;
        writeCourses(qtemp, kTwoCourses);
        TControlCursos dialog(nullptr, qtemp.path(), false);
        dialog.show();
        QAbstractItemModel* model = dialog.grid()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("CÓD.SÉNECA"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("ESTUDIOS"));
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(model->flags(model->index(0, 2)) & Qt::ItemIsEditable);
        QVERIFY(!model->setData(model->index(0, 0), "X"));
        QVERIFY(!model->insertRow(0));
        QVERIFY(!model->removeRow(0));
        auto buttons = dialog.findChild<QWidget*>("wwDBNavigator1")->findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 10);
        QCOMPARE(buttons.front()->toolTip(), QString("Move to first record"));
        QCOMPARE(buttons.back()->toolTip(), QString("Refresh the contents of the dataset"));
        for (QToolButton* button : buttons) {
            QVERIFY(!button->toolTip().contains("Insert"));
            QVERIFY(!button->toolTip().contains("Delete"));
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(quimbo::test::readColumn(qtemp.path(), "CURSOST", "CLAVE"),
                 (std::vector<std::string>{"6001", "6002"}));
    }
};

class TPlantillasTest : public QObject {
    Q_OBJECT
  private slots:
    void clickingAFrameShowsItsNameDatesAndSlots() {
        TempDir dir;
        TPlantillas dialog(nullptr, fileWithFrames(dir));
        dialog.show();
        auto* frames = dialog.findChild<QListWidget*>("ListBox2");
        auto* slotList = dialog.findChild<QListWidget*>("ListBox1");
        QCOMPARE(items(frames), (QStringList{"M", "T", "N"}));
        QCOMPARE(labelText(dialog, "LabelNombre"), QString("Mañana"));  // the first frame
        QCOMPARE(items(slotList), (QStringList{"1ª mañana", "2ª mañana"}));
        clickItem(frames, 1);
        QCOMPARE(labelText(dialog, "LabelNombre"), QString("Tarde"));
        QCOMPARE(labelText(dialog, "LabelPlanFec1"), QString("02/09/2026"));
        QCOMPARE(labelText(dialog, "LabelPlanFec2"), QString("29/06/2027"));
        QCOMPARE(items(slotList), QStringList{"1ª tarde"});
        clickItem(frames, 0, Qt::ControlModifier);
        clickItem(frames, 0, Qt::ControlModifier);  // deselecting still shows it
        QCOMPARE(labelText(dialog, "LabelNombre"), QString("Mañana"));
        QVERIFY(!frames->item(0)->isSelected());
        QVERIFY(frames->item(1)->isSelected());
    }

    void theResultNamesTheChosenFramesInListOrder() {
        TempDir dir;
        quimbo::test::RecordedMessages recorded;
        TPlantillas dialog(nullptr, fileWithFrames(dir));
        dialog.show();
        auto* frames = dialog.findChild<QListWidget*>("ListBox2");
        clickItem(frames, 1);
        clickItem(frames, 0, Qt::ControlModifier);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtnContinuar"), Qt::LeftButton);
        QVERIFY(dialog.SeleccionCorrecta);
        QCOMPARE(dialog.marcosSeleccionados(), std::string("M         T         "));
        QVERIFY(recorded.texts.isEmpty());
        QVERIFY(!dialog.isVisible());
    }

    void everyCloseIsJudged_data() {
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("message");
        const QString tooMany =
            "Demasiados Marcos Horarios seleccionados.\r\n"
            "Como máximo puede seleccionar 2 Marcos Horarios";
        QTest::newRow("none, Continuar")
            << QList<int>{} << false << false << "Debe al menos seleccionar 1 Marco Horario.";
        QTest::newRow("none, close box")
            << QList<int>{} << true << false << "Debe al menos seleccionar 1 Marco Horario.";
        QTest::newRow("three") << QList<int>{0, 1, 2} << false << false << tooMany;
        QTest::newRow("three, close box") << QList<int>{0, 1, 2} << true << false << tooMany;
        QTest::newRow("one, close box") << QList<int>{2} << true << true << "";
    }

    void everyCloseIsJudged() {
        QFETCH(QList<int>, clicked);
        QFETCH(bool, closeBox);
        QFETCH(bool, valid);
        QFETCH(QString, message);
        TempDir dir;
        quimbo::test::RecordedMessages recorded;
        TPlantillas dialog(nullptr, fileWithFrames(dir));
        dialog.show();
        auto* frames = dialog.findChild<QListWidget*>("ListBox2");
        for (int row : clicked) {
            clickItem(frames, row, Qt::ControlModifier);
        }
        if (closeBox) {
            dialog.close();
        } else {
            QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtnContinuar"), Qt::LeftButton);
        }
        QCOMPARE(dialog.SeleccionCorrecta, valid);
        QCOMPARE(recorded.texts, message.isEmpty() ? QStringList{} : QStringList{message});
        QVERIFY(!dialog.isVisible());
    }

    void aFileWithoutFramesIsReportedInsteadOfOfferingNothing() {
        TempDir dir;
        TPlantillas dialog(nullptr, (dir / "no-existe.xml").string());
        dialog.show();
        QVERIFY(dialog.sinMarcos());
    }

    void helpContextThreeIsTheTimeFrameTopic() {
        quimbo::gui::HelpWindow help(nullptr, std::filesystem::path(QUIMBO_BIN_DIR) / "SENECA.chm");
        help.showContext(3);
        QCOMPARE(help.currentPage(), QString("/marcos.htm"));
        QVERIFY(help.browser()->toPlainText().contains("Elegir los Marcos Horarios"));
    }
};

QObject* makeTControlCursosTest() {
    return new TControlCursosTest;
}
QObject* makeTPlantillasTest() {
    return new TPlantillasTest;
}

#include "dialogs_test.moc"
