#pragma once
// A font description in the terms the player's windows were laid out with
// (height in pixels, weight 100..900, escapement in tenths of a degree, a
// face name of at most 31 characters), and its translation to a QFont.
//
// Face names: "MS Sans Serif" stands for the desktop's default interface
// font; every other name (for example "Arial") is handed to Qt, which
// resolves it through fontconfig to the closest installed font.

#include <QFont>
#include <QString>

namespace taleno {

constexpr int kMaxFaceNameLength = 31;
constexpr int kNonAntialiasedQuality = 3;

struct LogFont {
    // Negative: the character height (em size) in pixels. Positive: the cell
    // height (line height) in pixels. Zero: the default size.
    int height = 0;
    int width = 0;        // average character width in pixels, 0 = natural
    int escapement = 0;   // tenths of a degree, counter-clockwise
    int orientation = 0;  // tenths of a degree; drawing follows escapement
    int weight = 400;     // 0 = default, 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;  // kept for completeness; Qt fonts are Unicode
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;         // 3 = no antialiasing
    int pitchAndFamily = 0;  // low bits: 1 fixed pitch; high nibble: family
    QString faceName;        // at most kMaxFaceNameLength characters

    bool operator==(const LogFont&) const = default;
};

// The desktop's default interface font family for "MS Sans Serif", the
// name itself for any other face.
QString MapFaceName(const QString& faceName);

// Face names are kept to kMaxFaceNameLength characters.
QString CutFaceName(const QString& faceName);

// Height for a font of that many points at dpi dots per inch, rounded:
// -(dpi * points / 72).
int PointsToLogHeight(double points, int dpi);

QFont MakeFont(const LogFont& logFont);

// Describes an existing font (used when a label takes over its widget's font).
LogFont LogFontFromFont(const QFont& font, int dpi);

}  // namespace taleno
