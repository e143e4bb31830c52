#include "platform/ini_file.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.hpp"

namespace quimbo::platform {
namespace {

TEST(IniFile, ChangesOnlyTheOneKeyAndKeepsEveryOtherByte) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"new file", "", "[Transformadores]\r\nTransformado=1\r\n"},
        {"key replaced in place",
         "; Tempario\r\n[General]\r\nRuta=C:\\TM15\r\n\r\n[Transformadores]\r\nOtro=x\r\n"
         "Transformado=0\r\nMas=y\r\n",
         "; Tempario\r\n[General]\r\nRuta=C:\\TM15\r\n\r\n[Transformadores]\r\nOtro=x\r\n"
         "Transformado=1\r\nMas=y\r\n"},
        {"names matched without case", "[transformadores]\r\n  TRANSFORMADO = -1\r\n",
         "[transformadores]\r\nTransformado=1\r\n"},
        {"key added after the section's last entry",
         "[Transformadores]\r\nOtro=x\r\n\r\n[Otra]\r\nk=v\r\n",
         "[Transformadores]\r\nOtro=x\r\nTransformado=1\r\n\r\n[Otra]\r\nk=v\r\n"},
        {"section appended, last line without ending", "[General]\nRuta=x",
         "[General]\nRuta=x\n[Transformadores]\nTransformado=1\n"},
        {"a last line ending in a lone carriage return is a section of its own",
         "[Transformadores]\r\nOtro=x\n[Otra]\r",
         "[Transformadores]\r\nOtro=x\nTransformado=1\r\n[Otra]\r"},
        {"stray carriage returns around a section name (found by fuzzing)",
         "; x\n[Transformadores]\r\r", "; x\n[Transformadores]\r\nTransformado=1\n"},
        {"same key in another section untouched", "[Otra]\r\nTransformado=9\r\n",
         "[Otra]\r\nTransformado=9\r\n[Transformadores]\r\nTransformado=1\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withIniValue(c.before, "Transformadores", "Transformado", "1"), c.after)
            << c.what;
    }
}

TEST(IniFile, WritesThroughTheFile) {
    test::TempDir dir;
    const auto ini = dir / "Tempario.ini";
    test::writeFile(ini, "[A]\r\nb=c\r\n");
    writeIniValue(ini, "Transformadores", "Transformado", "-1");
    EXPECT_EQ(test::readFile(ini), "[A]\r\nb=c\r\n[Transformadores]\r\nTransformado=-1\r\n");
}

TEST(IniFile, UnwritableFileGivesThePlatformMessageAndKeepsTheFile) {
    if (geteuid() == 0) {
        // root ignores permissions: use a directory that does not exist instead.
        test::TempDir dir;
        const auto ini = dir / "falta" / "Tempario.ini";
        EXPECT_THROW(
            {
                try {
                    writeIniValue(ini, "Transformadores", "Transformado", "1");
                } catch (const std::exception& e) {
                    EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini.string());
                    throw;
                }
            },
            std::exception);
        return;
    }
    test::TempDir dir;
    const auto ini = dir / "Tempario.ini";
    test::writeFile(ini, "[A]\r\nb=c\r\n");
    chmod(dir.path().c_str(), 0500);
    EXPECT_THROW(writeIniValue(ini, "Transformadores", "Transformado", "1"), std::exception);
    chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(test::readFile(ini), "[A]\r\nb=c\r\n");
}

}  // namespace
}  // namespace quimbo::platform
