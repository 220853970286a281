// plmask: the format machinery of PLMEDT60 on the command line, over its exported functions.
//
//   plmask raw     -t TYPE [-f FORMAT] [TEXT...]   shown text -> raw text
//   plmask show    -t TYPE [-f FORMAT] [RAW...]    raw text -> shown text
//   plmask empty   -t TYPE [-f FORMAT]             the text of an empty field
//   plmask check   -k FIELDTYPE [-f FORMAT] TEXT   validate a date or time (exit 0 valid, 1 not)
//   plmask formats -t TYPE                         the catalogue of formats
//   plmask default -t TYPE                         the default format
//
// With no values, raw and show convert standard input line by line, for whole files of data.
#include <windows.h>
#include <plmedt60.h>

#include <CLI/CLI.hpp>

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

constexpr int kExitInvalid = 1;
constexpr int kExitUsage = 2;
constexpr size_t kMaxFormatLength = PLM_FORMAT_SIZE - 1;  // what a field keeps of a format
constexpr size_t kMaxTextLength = PLM_TEXT_SIZE - 1;      // a working text
// RawDataToFormatedData needs the raw length plus the format length plus one, at least 256.
constexpr size_t kShownSize = PLM_TEXT_SIZE + kMaxTextLength + kMaxFormatLength + 1;

struct TypeName {
    short code;
    const char* name;   // the system's own name
    const char* brief;  // the short form
};

const TypeName kTypes[] = {
    {DT_TEXT, "Text", "text"},
    {DT_CURRENCY, "Currency", "currency"},
    {DT_DATE, "Date", "date"},
    {DT_TIME, "Time", "time"},
    {DT_WHOLE8, "Whole Number (+-127)", "int8"},
    {DT_WHOLE16, "Whole Number (+-32,767)", "int16"},
    {DT_WHOLE32, "Whole Number (+-2,147,483,647)", "int32"},
    {DT_BOOLEAN, "True/False", "bool"},
    {DT_SINGLE, "Decimal (3.4E+-38, 7 digits)", "single"},
    {DT_DOUBLE, "Decimal (1.7E+-308, 15 digits)", "double"},
};

class UsageError {
public:
    explicit UsageError(std::string message) : m_message(std::move(message)) {}
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

bool EqualsIgnoringCase(const std::string& a, const char* b) {
    if (a.size() != strlen(b)) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// A type is a code 0 to 9, the system's name or its short form, in any case.
short ParseType(const std::string& text) {
    if (text.size() == 1 && isdigit(static_cast<unsigned char>(text[0]))) return static_cast<short>(text[0] - '0');
    for (const TypeName& type : kTypes)
        if (EqualsIgnoringCase(text, type.name) || EqualsIgnoringCase(text, type.brief)) return type.code;
    throw UsageError("unknown data type '" + text + "' (a code 0-9, a name such as Currency, or text, currency, "
                     "date, time, int8, int16, int32, bool, single, double)");
}

int ParseFieldType(const std::string& text) {
    char* end = nullptr;
    long code = strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || code < 0 || code > 11)
        throw UsageError("unknown field type '" + text + "' (a code 0 to 11)");
    return static_cast<int>(code);
}

void CheckFormat(const std::string& format) {
    if (format.size() > kMaxFormatLength)
        throw UsageError("the format is " + std::to_string(format.size()) + " characters long; a field keeps at most " +
                         std::to_string(kMaxFormatLength));
}

void CheckText(const std::string& text, const char* what) {
    if (text.size() > kMaxTextLength)
        throw UsageError(std::string(what) + " is " + std::to_string(text.size()) + " characters long; at most " +
                         std::to_string(kMaxTextLength) + " are supported");
}

// The format a field would use: the one given, or the type's default.
std::string ChooseFormat(short type, const std::string& given, bool wasGiven) {
    if (wasGiven) return given;
    char format[PLM_FORMAT_SIZE] = "";
    GetDefaultFormat(format, type, sizeof format);
    return format;
}

MaskDataDesc Describe(short type, const std::string& format, char separator, char decimal) {
    MaskDataDesc desc = {};
    desc.nDataType = type;
    desc.cSeparator = separator;
    desc.cDecimal = decimal;
    desc.lpszFormat = format.c_str();
    desc.lpszCurrency = "";
    return desc;
}

std::string ToRaw(const MaskDataDesc& desc, const std::string& text) {
    char raw[PLM_TEXT_SIZE] = "";
    FormatedDataToRawData(raw, text.c_str(), &desc, sizeof raw);
    return raw;
}

std::string ToShown(const MaskDataDesc& desc, const std::string& raw) {
    std::vector<char> shown(kShownSize, '\0');
    RawDataToFormatedData(shown.data(), raw.c_str(), &desc, static_cast<int>(shown.size()));
    shown.back() = '\0';
    return shown.data();
}

// Converts each value, or each line of standard input when there are none.
template <typename Convert>
int ConvertAll(const std::vector<std::string>& values, const char* what, Convert convert) {
    if (!values.empty()) {
        for (const std::string& value : values) CheckText(value, what);
        for (const std::string& value : values) printf("%s\n", convert(value).c_str());
        return 0;
    }
    std::string line;
    int c;
    unsigned long lineNumber = 1;
    bool pending = false;
    while ((c = getchar()) != EOF) {
        pending = true;
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        CheckText(line, ("line " + std::to_string(lineNumber)).c_str());
        printf("%s\n", convert(line).c_str());
        line.clear();
        pending = false;
        ++lineNumber;
    }
    if (pending) {
        CheckText(line, ("line " + std::to_string(lineNumber)).c_str());
        printf("%s\n", convert(line).c_str());
    }
    return 0;
}

struct Options {
    std::string type;
    std::string format;
    std::string fieldType;
    std::string separator = ",";
    std::string decimal = ".";
    std::vector<std::string> values;
};

char SingleCharacter(const std::string& text, const char* what) {
    if (text.size() != 1) throw UsageError(std::string(what) + " must be one character");
    return text[0];
}

int Run(CLI::App& app, const Options& options) {
    const CLI::App* used = app.get_subcommands().front();
    const CLI::Option* formatOption = used->get_option_no_throw("--format");
    const bool formatGiven = formatOption != nullptr && formatOption->count() > 0;
    const std::string command = used->get_name();
    if (formatGiven) CheckFormat(options.format);

    if (command == "check") {
        const int fieldType = ParseFieldType(options.fieldType);
        CheckText(options.values.front(), "the text");
        return MaskEditValidate(options.values.front().c_str(), formatGiven ? options.format.c_str() : nullptr,
                                fieldType)
                   ? 0
                   : kExitInvalid;
    }

    const short type = ParseType(options.type);
    if (command == "default") {
        char format[PLM_FORMAT_SIZE] = "";
        GetDefaultFormat(format, type, sizeof format);
        printf("%s\n", format);
        return 0;
    }
    if (command == "formats") {
        HGLOBAL block = nullptr;
        if (GetDataFormat(type, &block)) {
            const DataFormatList* list = static_cast<const DataFormatList*>(GlobalLock(block));
            for (int k = 0; list != nullptr && k < PLM_FORMAT_LIST_COUNT && list->apszFormat[k][0] != '\0'; ++k)
                printf("%s\n", list->apszFormat[k]);
            GlobalUnlock(block);
        }
        if (block != nullptr) GlobalFree(block);
        return 0;
    }

    const std::string format = ChooseFormat(type, options.format, formatGiven);
    const MaskDataDesc desc = Describe(type, format, SingleCharacter(options.separator, "--separator"),
                                       SingleCharacter(options.decimal, "--decimal"));
    if (command == "empty") {
        char empty[PLM_TEXT_SIZE] = "";
        GetDefaultFormatText(empty, "", &desc, sizeof empty);
        printf("%s\n", empty);
        return 0;
    }
    if (command == "raw") return ConvertAll(options.values, "a text", [&](const std::string& v) { return ToRaw(desc, v); });
    return ConvertAll(options.values, "a raw text", [&](const std::string& v) { return ToShown(desc, v); });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"plmask: shown and raw texts of PLMEDT60 fields, without a window"};
    app.require_subcommand(1);
    Options options;

    auto addType = [&](CLI::App* command) {
        command->add_option("-t,--type", options.type, "data type: 0-9, a name such as Currency, or a short form")
            ->required();
    };
    auto addFormat = [&](CLI::App* command) {
        command->add_option("-f,--format", options.format, "the DataFormat (default: the type's default format)");
    };

    CLI::App* raw = app.add_subcommand("raw", "shown text to raw text (standard input when no TEXT is given)");
    addType(raw);
    addFormat(raw);
    raw->add_option("TEXT", options.values, "shown texts");

    CLI::App* show = app.add_subcommand("show", "raw text to shown text (standard input when no RAW is given)");
    addType(show);
    addFormat(show);
    show->add_option("RAW", options.values, "raw texts");

    CLI::App* empty = app.add_subcommand("empty", "the text an empty field shows");
    addType(empty);
    addFormat(empty);
    empty->add_option("--separator", options.separator, "the field's separator character (default ,)");
    empty->add_option("--decimal", options.decimal, "the field's decimal character (default .)");

    CLI::App* check = app.add_subcommand("check", "validate a text: exit status 0 valid, 1 invalid");
    check->add_option("-k,--field-type", options.fieldType, "field type code 0 to 11")->required();
    addFormat(check);
    check->add_option("TEXT", options.values, "the text")->required()->expected(1);

    CLI::App* formats = app.add_subcommand("formats", "the catalogue of formats of a type");
    addType(formats);
    CLI::App* byDefault = app.add_subcommand("default", "the default format of a type");
    addType(byDefault);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        fprintf(stderr, "plmask: %s\n", e.what());
        return kExitUsage;
    }
    try {
        return Run(app, options);
    } catch (const UsageError& e) {
        fprintf(stderr, "plmask: %s\n", e.message().c_str());
        return kExitUsage;
    }
}
