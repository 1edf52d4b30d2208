#include "engine/guests/PoliceText.h"

#include "engine/lists/AsciiFold.h"

namespace {

// Latin letters that Unicode does not decompose into a letter and marks,
// upper case first: their usual spelling in plain letters.
struct Spelling
{
    char16_t letter;
    const char *ascii;
};

constexpr Spelling kSpellings[] = {
    {u'ß', "SS"}, {u'ẞ', "SS"}, {u'Æ', "AE"}, {u'æ', "AE"}, {u'Œ', "OE"}, {u'œ', "OE"},
    {u'Ø', "O"},  {u'ø', "O"},  {u'Đ', "D"},  {u'đ', "D"},  {u'Ð', "D"},  {u'ð', "D"},
    {u'Ł', "L"},  {u'ł', "L"},  {u'Þ', "TH"}, {u'þ', "TH"}, {u'ı', "I"},  {u'Ħ', "H"},
    {u'ħ', "H"},
};

constexpr char16_t kGrave = 0x0300;
constexpr char16_t kAcute = 0x0301;

bool isApostrophe(char16_t c)
{
    // The typewriter one, the typographic one and the modifier letter that
    // some keyboards type for it.
    return c == u'\'' || c == u'\u2019' || c == u'\u02BC';
}

bool isAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isVowel(char16_t c)
{
    return c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
}

const char *spelling(char16_t c)
{
    for (const Spelling &s : kSpellings) {
        if (s.letter == c)
            return s.ascii;
    }
    return nullptr;
}

// One character of the text in plain letters: `out` receives the letters
// and, for an accented vowel, the apostrophe (when `accentApostrophe`).
// False when the character is no Latin letter.
bool appendLetter(QString &out, char16_t c, bool accentApostrophe)
{
    if (isAsciiLetter(c)) {
        out += QChar(AsciiFold::upper(c));
        return true;
    }
    if (const char *ascii = spelling(c)) {
        out += QLatin1String(ascii);
        return true;
    }
    // Compatibility decomposition: a letter and its marks (and ligatures
    // such as "ﬁ" as their letters).
    const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_KD);
    if (parts.isEmpty() || (parts.size() == 1 && parts.at(0).unicode() == c))
        return false;
    QString base;
    bool accented = false;
    for (QChar part : parts) {
        const char16_t p = part.unicode();
        if (isAsciiLetter(p))
            base += QChar(AsciiFold::upper(p));
        else if (p == kGrave || p == kAcute)
            accented = true;
        else if (!part.isMark())
            return false;
    }
    if (base.isEmpty())
        return false;
    out += base;
    if (accentApostrophe && accented && base.size() == 1 && isVowel(base.at(0).unicode()))
        out += QLatin1Char('\'');
    return true;
}

} // namespace

namespace PoliceText {

QString letters(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        QString piece;
        if (isApostrophe(c))
            piece = QStringLiteral("'");
        else if (text.at(i).isSurrogate() || !appendLetter(piece, c, true))
            piece.clear();
        // A mark typed apart from its letter (decomposed text) belongs to
        // the letter before it.
        if (piece.isEmpty() && text.at(i).isMark() && !out.isEmpty() && !pendingBlank) {
            if ((c == kGrave || c == kAcute) && isVowel(out.back().unicode()))
                out += QLatin1Char('\'');
            continue;
        }
        if (piece.isEmpty()) {
            pendingBlank = true;
            continue;
        }
        if (pendingBlank && !out.isEmpty())
            out += QLatin1Char(' ');
        pendingBlank = false;
        out += piece;
    }
    return out;
}

QString documentNumber(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            out += c;
        else if (!c.isSurrogate())
            appendLetter(out, u, false);
    }
    return out;
}

bool hasLetter(const QString &text)
{
    for (QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            return true;
    }
    return false;
}

} // namespace PoliceText
