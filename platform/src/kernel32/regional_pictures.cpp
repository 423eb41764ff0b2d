#include "kernel32/regional_pictures.h"

#include <vector>

namespace vks::detail {

namespace {

enum class Kind { Literal, Date, Time, Designator, Dropped };

struct Token {
    Kind kind;
    std::string text;  // a field's Windows picture, or a literal's own text
    char field = 0;    // 'd', 'M', 'y', 'H' (any hour), 'm', 's', 't'
};

struct Conversion {
    char conversion;
    Kind kind;
    const char *picture;
    char field;
};

// strftime conversions and the Windows pictures they stand for. "%-d" (no padding) is read as
// "%e"; "%E" and "%O" modifiers are passed over.
constexpr Conversion kConversions[] = {
    {'d', Kind::Date, "dd", 'd'},     {'e', Kind::Date, "d", 'd'},
    {'m', Kind::Date, "MM", 'M'},     {'Y', Kind::Date, "yyyy", 'y'},
    {'y', Kind::Date, "yy", 'y'},     {'a', Kind::Date, "ddd", 'w'},
    {'A', Kind::Date, "dddd", 'w'},   {'b', Kind::Date, "MMM", 'n'},
    {'h', Kind::Date, "MMM", 'n'},    {'B', Kind::Date, "MMMM", 'n'},
    {'H', Kind::Time, "HH", 'H'},     {'k', Kind::Time, "H", 'H'},
    {'I', Kind::Time, "hh", 'h'},     {'l', Kind::Time, "h", 'h'},
    {'M', Kind::Time, "mm", 'm'},     {'S', Kind::Time, "ss", 's'},
    {'p', Kind::Designator, "tt", 't'}, {'P', Kind::Designator, "tt", 't'},
    {'Z', Kind::Dropped, "", 0},      {'z', Kind::Dropped, "", 0},
};

// Pictures without padding, for "%-d", "%-m", "%-H" and "%-I".
std::string unpadded(const Conversion &conversion)
{
    std::string picture = conversion.picture;
    if (picture.size() == 2 && picture[0] == picture[1] && conversion.field != 't')
        picture.pop_back();
    return picture;
}

std::string_view expansionOf(char conversion, std::string_view amPmFormat)
{
    switch (conversion) {
    case 'D': return "%m/%d/%y";
    case 'F': return "%Y-%m-%d";
    case 'T': return "%H:%M:%S";
    case 'R': return "%H:%M";
    case 'r': return amPmFormat;
    default: return {};
    }
}

void appendLiteral(std::vector<Token> &tokens, std::string_view text)
{
    if (!tokens.empty() && tokens.back().kind == Kind::Literal)
        tokens.back().text += text;
    else
        tokens.push_back({Kind::Literal, std::string(text)});
}

// Splits a strftime format into fields and literal runs; `depth` bounds nested expansions.
void tokenize(std::string_view format, std::string_view amPmFormat, std::vector<Token> &tokens,
              int depth = 0)
{
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            appendLiteral(tokens, format.substr(i, 1));
            continue;
        }
        char c = format[++i];
        bool padless = false;
        while ((c == '-' || c == '_' || c == '0' || c == '^' || c == '#' || c == 'E' ||
                c == 'O') && i + 1 < format.size()) {
            padless = padless || c == '-';
            c = format[++i];
        }
        if (c == '%' || c == 'n' || c == 't') {
            appendLiteral(tokens, c == '%' ? "%" : " ");
            continue;
        }
        std::string_view expansion = expansionOf(c, amPmFormat);
        if (!expansion.empty()) {
            if (depth < 2)
                tokenize(expansion, amPmFormat, tokens, depth + 1);
            continue;
        }
        const Conversion *known = nullptr;
        for (const Conversion &conversion : kConversions)
            if (conversion.conversion == c)
                known = &conversion;
        if (!known) {
            tokens.push_back({Kind::Dropped, "", 0});
            continue;
        }
        tokens.push_back({known->kind, padless ? unpadded(*known) : known->picture,
                          known->field});
    }
}

// A literal's text in a picture: ASCII letters would read as fields, so they go in quotes.
std::string quotedLiteral(std::string_view text)
{
    std::string out;
    bool quoting = false;
    for (char c : text) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (letter != quoting) {
            out += '\'';
            quoting = letter;
        }
        if (c == '\'')
            out += "''";
        else
            out += c;
    }
    if (quoting)
        out += '\'';
    return out;
}

// A separator made of marks and blanks only; letters, digits and non-ASCII characters are words.
bool isMarkSeparator(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                            (c >= 'a' && c <= 'z');
        if (byte >= 0x80 || alphanumeric)
            return false;
    }
    return true;
}

// The fields of `kinds` in order, with the literal between each two of them (empty when none).
struct Fields {
    std::vector<Token> fields;
    std::vector<std::string> between;
    bool wordSeparators = false;
};

Fields fieldsOf(const std::vector<Token> &tokens, Kind wanted, bool withDesignator)
{
    Fields out;
    std::string pending;
    bool outer = true;  // literals before the first field or after the last one
    for (const Token &token : tokens) {
        bool field = token.kind == wanted || (withDesignator && token.kind == Kind::Designator);
        if (token.kind == Kind::Literal) {
            pending += token.text;
        } else if (field) {
            if (!out.fields.empty())
                out.between.push_back(pending);
            else if (!pending.empty() && !isMarkSeparator(pending))
                out.wordSeparators = true;
            pending.clear();
            out.fields.push_back(token);
            outer = false;
        }
    }
    if (!outer && !pending.empty() && !isMarkSeparator(pending))
        out.wordSeparators = true;
    for (const std::string &text : out.between)
        if (!text.empty() && !isMarkSeparator(text))
            out.wordSeparators = true;
    return out;
}

std::string joined(const Fields &fields, std::string_view wordReplacement)
{
    std::string picture;
    for (size_t i = 0; i < fields.fields.size(); ++i) {
        if (i > 0)
            picture += fields.wordSeparators ? std::string(wordReplacement)
                                             : quotedLiteral(fields.between[i - 1]);
        picture += fields.fields[i].text;
    }
    return picture;
}

std::string firstSeparator(const Fields &fields, std::string_view wordReplacement)
{
    if (fields.between.empty())
        return {};
    return fields.wordSeparators ? std::string(wordReplacement) : fields.between.front();
}

int dateOrder(const Fields &fields)
{
    std::string order;
    for (const Token &token : fields.fields)
        if (token.field == 'd' || token.field == 'M' || token.field == 'y')
            order += token.field;
    if (order.rfind("y", 0) == 0)
        return 2;
    return order.rfind("d", 0) == 0 ? 1 : 0;
}

}  // namespace

ShortPicture shortDatePicture(std::string_view dateFormat)
{
    std::vector<Token> tokens;
    tokenize(dateFormat, {}, tokens);
    Fields fields = fieldsOf(tokens, Kind::Date, false);
    ShortPicture result;
    result.picture = joined(fields, "/");
    result.separator = firstSeparator(fields, "/");
    result.order = dateOrder(fields);
    return result;
}

ShortPicture shortTimePicture(std::string_view timeFormat, std::string_view amPmFormat)
{
    std::vector<Token> tokens;
    tokenize(timeFormat, amPmFormat, tokens);
    Fields fields = fieldsOf(tokens, Kind::Time, true);
    Fields numbers = fieldsOf(tokens, Kind::Time, false);
    ShortPicture result;
    bool hasDesignator = false;
    for (const Token &token : fields.fields)
        if (token.kind == Kind::Designator) {
            hasDesignator = true;
            result.designatorFirst = &token == &fields.fields.front();
        }
    for (const Token &token : numbers.fields)
        if (token.field == 'H' || token.field == 'h') {
            result.hours24 = token.field == 'H';
            result.twoDigitHours = token.text.size() == 2;
            break;
        }
    result.separator = firstSeparator(numbers, ":");
    if (!numbers.wordSeparators) {
        result.picture = joined(fields, ":");
        return result;
    }
    // Words between the numbers become marks; a designator keeps one blank beside them.
    std::string digits = joined(numbers, ":");
    result.picture = !hasDesignator         ? digits
                     : result.designatorFirst ? "tt " + digits
                                              : digits + " tt";
    return result;
}

std::string longDatePicture(std::string_view dateFormat)
{
    std::vector<Token> tokens;
    tokenize(dateFormat, "%I:%M:%S %p", tokens);
    std::string picture, pending;
    bool skipping = false;
    for (const Token &token : tokens) {
        if (token.kind == Kind::Literal) {
            if (!skipping)
                pending += token.text;
        } else if (token.kind == Kind::Date) {
            picture += quotedLiteral(pending) + token.text;
            pending.clear();
            skipping = false;
        } else {
            // The time and the zone go, with the texts that joined them to the date.
            skipping = true;
        }
    }
    if (!skipping)
        picture += quotedLiteral(pending);
    return picture;
}

}  // namespace vks::detail
