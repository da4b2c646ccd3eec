#include "album/TSongList.h"

#include "album/FormatText.h"
#include "album/IConsoleText.h"
#include "album/IOptionState.h"
#include "album/PathUtils.h"

#include <QString>

#include <cstring>

TSongList::TSongList(QWidget* parent) : TSizFontLB(parent)
{
    SetMinItemHeight(kMinItemHeight);
}

QByteArray TSongList::MakeSongLine(const char* path)
{
    if (!path || !*path || std::strpbrk(path, "\t\r\n"))
        return {};
    const QByteArray bytes(path);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return {};
    // Built without a rotating buffer: a long path must not be cut, or the line would name
    // another file.
    QByteArray line;
    line.reserve(2 * bytes.size() + 48);
    line.append(FileNamePart(path)).append(" \t[").append(AbbreviatePath(path, kShortPathLength));
    line.append("]\t").append(bytes);
    return QString::fromUtf8(line).toLower().toUtf8();
}

int TSongList::InsertSong(const char* path, int index)
{
    const QByteArray line = MakeSongLine(path);
    if (line.isEmpty())
        return -1;
    const bool allowDuplicates = options_ && options_->IsChecked(kAllowDuplicatesCommand);
    if (!allowDuplicates && FindExactString(line.constData()) >= 0)
        return -1;
    const int result = InsertString(line.constData(), index);
    WriteTotal();
    return result;
}

int TSongList::RemoveSongAt(int index)
{
    const int result = DeleteString(index);
    WriteTotal();
    return result;
}

void TSongList::ClearSongs()
{
    ClearList();
    WriteTotal();
}

const char* TSongList::GetSongPath(int index) const
{
    const char* line = GetItemText(index);
    if (!line)
        return nullptr;
    const char* tab = std::strrchr(line, '\t');
    return tab ? tab + 1 : nullptr;
}

const char* TSongList::GetSelectedSongPath() const
{
    const int sel = GetSelIndex();
    return sel < 0 ? nullptr : GetSongPath(sel);
}

void TSongList::WriteTotal()
{
    WriteConsole(kTotalControlId, GetCount());
}

void TSongList::WriteConsole(int controlId, int number)
{
    // "%.3d" prints what the classic "%03.03d" prints, without the warning about its flag.
    if (console_)
        console_->SetConsoleText(controlId, FormatText("%.3d", number));
}
