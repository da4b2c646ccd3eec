#include "controls/console/TConsoleDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

#include "controls/console/TLedStatic.h"
#include "controls/dialog/T3DFrame.h"
#include "resources/FontFiles.h"
#include "resources/dialogs/ConsoleIds.h"

using namespace resources;

namespace {

struct LedEntry {
    int id;
    std::uint16_t format;
    std::uint16_t capacity;
};

// In the order the controls are made, with their text formats and capacities.
constexpr LedEntry kLeds[] = {
    {IDC_TIME, DT_LEFT, 5},          {IDC_LENGTH, DT_LEFT, 5},
    {IDC_SONG_NUMBER, DT_RIGHT, 3},  {IDC_SONG_COUNT, DT_LEFT, 3},
    {IDC_CAPTION_SONG, DT_LEFT, 50}, {IDC_CAPTION_TOTAL, DT_LEFT, 50},
    {IDC_CAPTION_TIME, DT_LEFT, 50}, {IDC_CAPTION_LENGTH, DT_LEFT, 50},
    {IDC_CONSOLE_PANEL, DT_LEFT, 0}, {IDC_LAMP_PLAY, DT_LEFT, 10},
    {IDC_LAMP_PAUSE, DT_LEFT, 10},   {IDC_LAMP_REPEAT, DT_LEFT, 10},
    {IDC_LAMP_MUTE, DT_LEFT, 10},    {IDC_LAMP_LOOP, DT_LEFT, 10},
    {IDC_LAMP_RANDOM, DT_LEFT, 10},
};

constexpr int kDigitalItems[] = {IDC_SONG_NUMBER, IDC_SONG_COUNT, IDC_TIME, IDC_LENGTH};
constexpr int kSmallItems[] = {IDC_CAPTION_SONG, IDC_CAPTION_TOTAL, IDC_CAPTION_TIME, IDC_CAPTION_LENGTH,
                               IDC_LAMP_PLAY,    IDC_LAMP_PAUSE,    IDC_LAMP_REPEAT,  IDC_LAMP_MUTE,
                               IDC_LAMP_LOOP,    IDC_LAMP_RANDOM};

constexpr const char* kDsegFamily = "DSEG7 Classic";

}  // namespace

void BindConsoleControls(TMDialog& dialog)
{
    for (const LedEntry& e : kLeds)
        dialog.BindItem(e.id, [e](QWidget* parent) { return new TLedStatic(parent, e.id, e.format, e.capacity); });
}

bool RegisterDigitalFont()
{
    static const bool available = [] {
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kDigitalFontFile));
        const int handle = QFontDatabase::addApplicationFont(path);
        QString family = QLatin1String(kDsegFamily);
        if (handle >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(handle);
            if (!families.isEmpty())
                family = families.first();
        }
        QFont::insertSubstitution(QLatin1String(kDigitalFace), family);
        return handle >= 0 || QFontDatabase::families().contains(family);
    }();
    return available;
}

QFont ConsoleDigitalFont()
{
    QFont font(QString::fromLatin1(kDigitalFace));
    font.setPixelSize(PointsToPixels(17));
    // The 7-segment face is wider than the one the read-outs were laid out for:
    // narrowed, "00:00" and "000" fit their read-outs at full height.
    font.setStretch(QFont::Condensed);
    return font;
}

QFont ConsoleSmallFont()
{
    // "Small Fonts" does not exist here. A narrowed, tightly set sans face keeps
    // the captions and lamp words inside their cells and puts "SEC" of
    // "MIN                   SEC" over the seconds digits, as the layout intends.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(PointsToPixels(5));
    font.setStretch(QFont::SemiCondensed);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    return font;
}

TConsoleDialog::TConsoleDialog(QWidget* parent) : TMDialog(parent, IDD_CONSOLE) { BindConsoleControls(*this); }

void TConsoleDialog::SetupWindow()
{
    TMDialog::SetupWindow();

    RegisterDigitalFont();
    digitalFont_ = ConsoleDigitalFont();
    for (int id : kDigitalItems)
        if (QWidget* w = item(id))
            SetFontOnItem(w, digitalFont_);
    smallFont_ = ConsoleSmallFont();
    for (int id : kSmallItems)
        if (QWidget* w = item(id))
            SetFontOnItem(w, smallFont_);

    if (QWidget* panel = item(IDC_CONSOLE_PANEL)) {
        QRect r = panel->geometry().adjusted(-2, -2, 2, 2);
        panelFrame_ = Make3DFrame(this, r, true, 2);
    }
}
