#include "text/clipper.hpp"

#include <gtest/gtest.h>

#include "text/case_folding.hpp"
#include "text/codepage.hpp"
#include "text/numbers.hpp"

namespace quimbo::clipper {
namespace {

// Windows-1252 text from a UTF-8 literal.
std::string w(const std::string& utf8) {
    return codepage::utf8ToCp1252(utf8);
}

struct TrimCase {
    std::string input;
    std::string all;
    std::string left;
    std::string right;
};

TEST(ClipperTrim, RemovesOnlyBlanks) {
    const TrimCase cases[] = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {"  ab ", "ab", "ab ", "  ab"},
        {"\tab\t", "\tab\t", "\tab\t", "\tab\t"},
        {w("\u00A0ab\u00A0"), w("\u00A0ab\u00A0"), w("\u00A0ab\u00A0"), w("\u00A0ab\u00A0")},
        {"a b", "a b", "a b", "a b"},
    };
    for (const TrimCase& c : cases) {
        EXPECT_EQ(AllTrim(c.input), c.all) << "[" << c.input << "]";
        EXPECT_EQ(LTrim(c.input), c.left) << "[" << c.input << "]";
        EXPECT_EQ(RTrim(c.input), c.right) << "[" << c.input << "]";
    }
}

TEST(ClipperCut, LeftAndRightClampTheirCount) {
    struct Case {
        std::string text;
        long long n;
        std::string left;
        std::string right;
    };
    const Case cases[] = {
        {"abc", 0, "", ""},     {"abc", -1, "", ""},      {"abc", 5, "abc", "abc"},
        {"abc", 2, "ab", "bc"}, {"abc", 9, "abc", "abc"}, {"", 3, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Left(c.text, c.n), c.left) << c.text << " " << c.n;
        EXPECT_EQ(Right(c.text, c.n), c.right) << c.text << " " << c.n;
    }
}

TEST(ClipperCodes, SoloMayusculasKeepsPlainCapitalsOnly) {
    EXPECT_EQ(SoloMayusculas("Lengua Castellana y Literatura"), "LCL");
    EXPECT_EQ(SoloMayusculas(w("Educación Física")), "EF");
    EXPECT_EQ(SoloMayusculas(w("ÁLGEBRA")), "LGEBRA");
    EXPECT_EQ(SoloMayusculas("sin capitales"), "");
}

TEST(ClipperCodes, InicialesTakesTheCharacterAfterEachInnerBlank) {
    EXPECT_EQ(Iniciales(w("Música y movimiento")), "ym");
    EXPECT_EQ(Iniciales("termina en blanco "), "eb");  // the last blank adds nothing
    EXPECT_EQ(Iniciales("a  b"), " b");
    EXPECT_EQ(Iniciales("palabra"), "");
}

TEST(ClipperCodes, MayusculasAZLeavesAccentedLettersAlone) {
    EXPECT_EQ(MayusculasAZ(w("educación física")), w("EDUCACIóN FíSICA"));
}

TEST(CaseFolding, FoldsAccentedLettersOfTheCodePage) {
    EXPECT_EQ(text::foldCase(w("ángel ñu jgp")), w("ÁNGEL ÑU JGP"));
    EXPECT_EQ(text::foldCase(w("÷ß")), w("÷ß"));
}

TEST(Numbers, ToIntegerReadsDecimalOrRaisesTheConversionMessage) {
    EXPECT_EQ(text::toInteger("0480"), 480);
    EXPECT_EQ(text::toInteger("-5"), -5);
    for (const std::string bad : {"", ":5", "9a", " 1", "99999999999"}) {
        try {
            text::toInteger(bad);
            ADD_FAILURE() << "accepted [" << bad << "]";
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()), "'" + bad + "' no es un valor entero válido");
        }
    }
}

}  // namespace
}  // namespace quimbo::clipper
