#pragma once

#include "album/LongNames.h"
#include "controls/TSizFontLB.h"

#include <QByteArray>
#include <QPixmap>

class IConsoleText;
class IOptionState;

// The album's songs as list lines, one per song:
//   file name, blank, TAB, "[" short-shown path "]", TAB, full path
// all lower case ("%s \t[%s]\t%s" of FileNamePart, AbbreviatePath(path, 35) and the path).
// A song's identity is its line: two songs are the same exactly when their lines are equal.
// After every add, remove and clear the number of lines is written into the console's
// TOTAL read-out. Each line shows the song bitmap, the file name and, in a second column,
// the bracketed short path; the full path is never shown. With Show Long Names on, the
// first column shows the file's long name instead, as learnt when the line was added.
class TSongList : public TSizFontLB {
    Q_OBJECT

public:
    static constexpr int kTotalControlId = 7733;
    static constexpr int kSongControlId = 7734;
    static constexpr int kAllowDuplicatesCommand = 7748;
    static constexpr int kShowLongNamesCommand = 17953;
    static constexpr int kShortPathLength = 35;
    static constexpr int kMinItemHeight = 12;

    explicit TSongList(QWidget* parent = nullptr);

    // Console for the read-outs and the options' check marks; either may be null (no
    // read-outs; Allow Duplicates counts as off).
    void SetConsole(IConsoleText* console) { console_ = console; }
    void SetOptions(const IOptionState* options) { options_ = options; }

    // The song line of path; empty for a null or empty path or one holding a TAB, a line
    // break or bytes that are not UTF-8 (no line could give such a path back).
    static QByteArray MakeSongLine(const char* path);

    // Inserts the song line of path before line index (-1: at the end) and returns its
    // index. -1 and nothing changes when Allow Duplicates is off and an equal line exists,
    // or when path makes no song line.
    int InsertSong(const char* path, int index);
    int AddSong(const char* path) { return InsertSong(path, -1); }

    // DeleteString's result.
    int RemoveSongAt(int index);
    void ClearSongs();

    // The text after the last TAB of line index, in the shared text buffer (see TEasyLB);
    // null when index names no line or the line has no TAB.
    const char* GetSongPath(int index) const;
    const char* GetSelectedSongPath() const;

    // Show Long Names on: learns the long name of every line's file (the option was just
    // turned on, or the settings were read); off: forgets them. Redraws the list.
    void RefreshLongNames();
    // The long file name shown for a song path the list holds: empty when Show Long
    // Names is off or no name was found when the line was added (the short one shows).
    std::string LongName(const char* path) const;

    // The font, then the second column's offset: the width of "00000000.000" plus 5.
    void FontChanged() override;

    void DrawItemContent(DrawItem& item) override;

protected:
    void WriteTotal();
    void WriteConsole(int controlId, int number);

private:
    // The second column's offset in the current font.
    void MeasureSecondColumn();
    bool ShowsLongNames() const;
    void LearnLongName(int index);

    QPixmap songBitmap_;
    int secondColumnOffset_ = 0;
    IConsoleText* console_ = nullptr;
    const IOptionState* options_ = nullptr;
    LongNames longNames_;
};
