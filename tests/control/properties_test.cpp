// Properties and the typed value messages on live controls.
#include <string.h>

#include "control_fixture.h"

namespace {

LONG* Buffer(char* text) { return reinterpret_cast<LONG*>(text); }

// A text passes when the type's parser and formatter reproduce it and, for numbers, its magnitude
// is in range; a rejected one leaves a marker and raises InvalidData instead of Change.
TEST_F(ControlTest, TextIsCheckedAgainstFormatAndRange) {
    struct Case { short type; const char* format; const char* text; LONG result; };
    const Case cases[] = {
        {DT_CURRENCY, "(Default)", "$1,234.50", 0},          {DT_CURRENCY, "(Default)", "($5.00)", 0},
        {DT_CURRENCY, "(Default)", "1234.50", ERR_BAD_FORMAT}, {DT_WHOLE8, "(Default)", "128", ERR_BAD_VALUE},
        {DT_WHOLE8, "(Default)", "-127", 0},                 {DT_WHOLE16, "#,##0;-#,##0", "-32,768", ERR_BAD_VALUE},
        {DT_WHOLE32, "#,##0", "2,147,483,648", 0},           {DT_WHOLE32, "#,##0", "2,147,483,649", ERR_BAD_VALUE},
        {DT_SINGLE, "0.######", "1.234567", 0},              {DT_SINGLE, "0.#######", "1.2345678", ERR_BAD_VALUE},
        {DT_DATE, "mm/dd/yyyy", "01/05/2024", 0},            {DT_DATE, "mm/dd/yyyy", "1/5/2024", ERR_BAD_FORMAT},
        {DT_TIME, "hh:mm", "9:30", ERR_BAD_FORMAT},          {DT_BOOLEAN, "Yes/No", "No", 0},
        {DT_BOOLEAN, "Yes/No", "Maybe", ERR_BAD_FORMAT},     {DT_TEXT, "(###)", "(123)", 0},
        {DT_TEXT, "(###)", "123", ERR_BAD_FORMAT}};
    for (const Case& c : cases) {
        ProbeMaskEdit& control = Live(c.type, c.format);
        EXPECT_EQ(c.result, control.Set(PROP_TEXT, c.text)) << c.text;
        const char* shown = c.result == ERR_BAD_VALUE ? "<VALUE!>" : c.result ? "<BAD FORMAT>" : c.text;
        EXPECT_EQ(shown, control.Text()) << c.text;
        EXPECT_EQ(c.result ? "I" : "C", control.Trace()) << c.text;
    }
    ProbeMaskEdit& control = NewControl();
    EXPECT_EQ(0, control.Set(PROP_TEXT, nullptr));
    EXPECT_EQ(1, control.CheckProperty(PROP_TEXT, 0));
    // A format passes before the window exists; afterwards IsValidMask judges it.
    EXPECT_EQ(0, control.CheckProperty(PROP_DATAFORMAT, LONG_PTR("\"a")));
    ASSERT_NE(nullptr, Create(control));
    EXPECT_EQ(ERR_BAD_FORMAT, control.CheckProperty(PROP_DATAFORMAT, LONG_PTR("\"a")));
    EXPECT_EQ(0, control.CheckProperty(PROP_DATAFORMAT, LONG_PTR("(###)")));
    EXPECT_EQ(1, control.CheckProperty(PROP_DATAFORMAT, 0));
}

// "(Default)" stands for the type's default format except at design time; separators follow the
// format; DataType at design time clears the format.
TEST_F(ControlTest, DataFormatAndDataType) {
    ProbeMaskEdit& control = Live(DT_DATE, "(Default)");
    EXPECT_STREQ("mm/dd/yy", control.info().szFormat);
    control.Set(PROP_DATAFORMAT, "dd.mm.yyyy");
    EXPECT_EQ('.', control.info().cSeparator);
    char format[8] = "#######";
    EXPECT_EQ(10, control.GetProperty(PROP_DATAFORMAT, Buffer(format), 0));
    EXPECT_EQ(1, control.GetProperty(PROP_DATAFORMAT, Buffer(format), 4));
    EXPECT_STREQ("dd.m###", format);  // cut without a terminator
    control.mode = 1;
    control.Set(PROP_DATAFORMAT, "(Default)");
    EXPECT_STREQ("(Default)", control.info().szFormat);
    control.SetProperty(PROP_DATATYPE, DT_TIME);
    EXPECT_STREQ("", control.info().szFormat);
    EXPECT_EQ(':', control.info().cSeparator);
}

// A raw text is shown through the format and raises Change from the Text setter and its own; an
// empty one raises exactly one, none with the mask disabled.
TEST_F(ControlTest, RawText) {
    ProbeMaskEdit& control = Live(DT_CURRENCY, "(Default)");
    char raw[8] = "#######";
    EXPECT_EQ(21, control.GetProperty(PROP_RAWTEXT, Buffer(raw), 0));
    control.Set(PROP_RAWTEXT, "1234.5");
    EXPECT_EQ(0, control.GetProperty(PROP_RAWTEXT, Buffer(raw), 4));
    EXPECT_EQ(0, memcmp("1234\0##", raw, 8));
    struct Case { BOOL notify, disableMask; int changes; };
    for (const Case& c : {Case{TRUE, FALSE, 1}, Case{FALSE, FALSE, 1}, Case{TRUE, TRUE, 0}}) {
        control.notify() = c.notify;
        control.SetProperty(PROP_DISABLEMASK, c.disableMask);
        control.events.clear();
        control.Set(PROP_RAWTEXT, "");
        EXPECT_EQ(std::string(c.changes, 'C'), control.Trace()) << c.notify << c.disableMask;
    }
    const std::string longText(300, 'x');  // neither cut nor overrun
    control.Set(PROP_RAWTEXT, longText.c_str());
    EXPECT_EQ(302, control.GetProperty(PROP_RAWTEXT, nullptr, 0));
    std::string back(301, '\0');
    control.GetProperty(PROP_RAWTEXT, Buffer(&back[0]), 300);
    EXPECT_STREQ(longText.c_str(), back.c_str());
}

// A new object starts from the defaults; BorderStyle and DataFormat are kept before creation
// and applied by it; ReadOnly needs the window.
TEST_F(ControlTest, PropertiesBeforeCreation) {
    ProbeMaskEdit& control = NewControl();
    EXPECT_EQ(",.", std::string() + control.info().cSeparator + control.info().cDecimal);
    EXPECT_EQ(0, control.Get(PROP_BORDERSTYLE) + control.Get(PROP_DISABLEMASK) + control.Get(PROP_READONLY));
    control.SetProperty(PROP_READONLY, TRUE);
    control.SetProperty(PROP_BORDERSTYLE, 3);
    control.Set(PROP_DATAFORMAT, "(###)");
    EXPECT_EQ(1, control.SetProperty(99, 0));
    ASSERT_NE(nullptr, Create(control));
    EXPECT_EQ("(___)", control.Text());  // creation shows the empty-field text
    EXPECT_EQ(0, control.Get(PROP_READONLY));
    EXPECT_EQ(3, control.Get(PROP_BORDERSTYLE));
    EXPECT_TRUE(GetWindowLongA(control.getHwnd(), GWL_STYLE) & WS_BORDER);
    control.SetProperty(PROP_READONLY, TRUE);
    EXPECT_EQ(1, control.Get(PROP_READONLY));
    control.SetProperty(PROP_ENTRYPOS, 0x1FFFE);  // 16 bits kept: -2, read back as 0
    LONG entry = 0x55550007;
    control.GetProperty(PROP_ENTRYPOS, &entry, 0);
    EXPECT_EQ(0x55550000, entry);  // only the low half written
}

// The plain form of the type whatever the field's format; no Change.
TEST_F(ControlTest, TypedStringMessages) {
    struct Case { short type; const char *format, *plainIn, *shown, *plainOut; };
    const Case cases[] = {{DT_BOOLEAN, "Yes/No", "y", "Yes", "True"}, {DT_BOOLEAN, "Yes/No", "N", "No", "False"},
                          {DT_DATE, "yyyy-mm-dd", "01/05/24", "2024-01-05", "01/05/24"},
                          {DT_TIME, "hh:mm", "9:30:00 PM", "21:30", "9:30:00 PM"},
                          {DT_WHOLE16, "#,##0", "1234", "1,234", "1,234"}, {DT_TEXT, "(###)", "123", "(123)", "123"}};
    for (const Case& c : cases) {
        ProbeMaskEdit& control = Live(c.type, c.format);
        EXPECT_EQ(1, SendMessageA(control.getHwnd(), MEM_SETSTRING, 0, LPARAM(c.plainIn))) << c.plainIn;
        EXPECT_EQ(c.shown, control.Text());
        char plain[PLM_TEXT_SIZE] = "";
        EXPECT_EQ(1, SendMessageA(control.getHwnd(), MEM_GETSTRING, 0, LPARAM(plain)));
        EXPECT_STREQ(c.plainOut, plain);
        EXPECT_TRUE(control.events.empty()) << c.plainIn;
    }
}

TEST_F(ControlTest, TypedValueMessages) {
    ProbeMaskEdit& currency = Live(DT_CURRENCY, "(Default)");
    double amount = -1234.5;
    EXPECT_EQ(1, SendMessageA(currency.getHwnd(), MEM_SETVALUE, 0, LPARAM(&amount)));
    EXPECT_EQ("($1,234.50)", currency.Text());
    amount = 0;
    SendMessageA(currency.getHwnd(), MEM_GETVALUE, 0, LPARAM(&amount));
    EXPECT_EQ(-1234.5, amount);
    // A Text field has no value form: the edit control gets the message.
    ProbeMaskEdit& text = Live(DT_TEXT, "(###)");
    SetWindowTextA(text.getHwnd(), "(12_)");
    EXPECT_EQ(0, SendMessageA(text.getHwnd(), MEM_SETVALUE, 0, LPARAM(&amount)));
    EXPECT_EQ("(12_)", text.Text());
}

}  // namespace
