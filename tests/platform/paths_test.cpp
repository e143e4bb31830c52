#include "platform/paths.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/local_time.hpp"
#include "support/temp_dir.hpp"

namespace quimbo::platform {
namespace {

TEST(Paths, TableFilesAreFoundWithoutRegardToCase) {
    test::TempDir dir;
    test::writeFile(dir / "soluc.dbf", "x");
    test::writeFile(dir / "CURSOST.DBF", "y");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "SOLUC.DBF"), dir / "soluc.dbf");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "CursosT.DBF"), dir / "CURSOST.DBF");
    EXPECT_FALSE(findFileIgnoringCase(dir.path(), "PROFT.DBF").has_value());
    EXPECT_FALSE(findFileIgnoringCase(dir / "falta", "PROFT.DBF").has_value());
}

TEST(Paths, ExchangeDirectoryFollowsTheEnvironment) {
    const char* saved = std::getenv("TRANSQUIMBO_QTEMP");
    const std::string keep = saved ? saved : "";
    setenv("TRANSQUIMBO_QTEMP", "/tmp/mi-qtemp", 1);
    EXPECT_EQ(qtempDirectory(), std::filesystem::path("/tmp/mi-qtemp"));
    EXPECT_EQ(senecaDirectory(), std::filesystem::path("/tmp/mi-qtemp/seneca"));
    unsetenv("TRANSQUIMBO_QTEMP");
    setenv("WINEPREFIX", "/tmp/vino", 1);
    EXPECT_EQ(qtempDirectory(), std::filesystem::path("/tmp/vino/drive_c/QTEMP"));
    unsetenv("WINEPREFIX");
    if (saved) {
        setenv("TRANSQUIMBO_QTEMP", keep.c_str(), 1);
    }
}

TEST(Paths, Utf8PathsRoundTrip) {
    const std::string name = "/tmp/Séneca/año.xml";
    EXPECT_EQ(pathToUtf8(pathFromUtf8(name)), name);
}

TEST(LocalTime, UsesTheRegionalShortDateAndLongTime) {
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(regionalDateTime(1796464800), "12/05/26 10:00:00");  // 2026-12-05 10:00 UTC
}

}  // namespace
}  // namespace quimbo::platform
