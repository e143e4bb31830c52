// Runs every GUI test class under Qt Test; the offscreen platform needs no display.
#include <QApplication>
#include <QTest>
#include <memory>

QObject* makeTMFormTest();
QObject* makeTControlCursosTest();
QObject* makeTPlantillasTest();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    int failures = 0;
    for (auto make : {makeTMFormTest, makeTControlCursosTest, makeTPlantillasTest}) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
