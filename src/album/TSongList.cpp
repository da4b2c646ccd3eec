#include "album/TSongList.h"

#include "album/FormatText.h"
#include "album/IConsoleText.h"
#include "album/IOptionState.h"
#include "album/PathUtils.h"

#include "controls/paint/DrawTransparentBitmap.h"
#include "resources/bitmaps/Bitmaps.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>

#include <cstring>

namespace {
constexpr int kSongBitmap = 7839;
constexpr const char* kColumnSample = "00000000.000";
constexpr int kColumnGap = 5;
constexpr int kSideMargin = 2;
constexpr int kBitmapGap = 2;
}  // namespace

TSongList::TSongList(QWidget* parent)
    : TSizFontLB(parent), songBitmap_(MaskedBitmap(resources::LoadBitmap(kSongBitmap)))
{
    SetMinItemHeight(kMinItemHeight);
    MeasureSecondColumn();
}

void TSongList::FontChanged()
{
    TSizFontLB::FontChanged();
    MeasureSecondColumn();
}

void TSongList::MeasureSecondColumn()
{
    secondColumnOffset_ = QFontMetrics(font()).horizontalAdvance(QLatin1String(kColumnSample)) + kColumnGap;
}

void TSongList::DrawItemContent(DrawItem& item)
{
    const QRect r = item.rect.adjusted(kSideMargin, 0, -kSideMargin, 0);
    // A line that cannot be read is left blank. The line's own text is shared, not copied.
    const QListWidgetItem* entry = this->item(item.index);
    const QString line = entry ? entry->text() : QString();
    QPainter& dc = *item.dc;
    dc.setFont(font());
    const QFontMetrics metrics(font());
    const int centre = r.top() + r.height() / 2;
    const int textTop = centre - (metrics.height() + metrics.leading()) / 2;
    dc.drawPixmap(r.left(), centre - songBitmap_.height() / 2, songBitmap_);
    if (line.isEmpty())
        return;
    const int left = r.left() + songBitmap_.width() + kBitmapGap;
    const qsizetype firstTab = line.indexOf(QLatin1Char('\t'));
    const qsizetype lastTab = line.lastIndexOf(QLatin1Char('\t'));
    // A long name shown replaces the line's name; the blank after it stays.
    QString name = line.left(firstTab);
    if (lastTab >= 0 && ShowsLongNames()) {
        const std::string longName = LongName(line.mid(lastTab + 1).toUtf8().constData());
        if (!longName.empty())
            name = QString::fromStdString(longName) + QLatin1Char(' ');
    }
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    dc.drawText(QRect(left, textTop, r.right() - left + 1, metrics.height()), kFlags, name);
    if (firstTab < 0 || lastTab <= firstTab)
        return;
    const QString path = line.mid(firstTab + 1, lastTab - firstTab - 1);
    const int second = left + std::max(metrics.horizontalAdvance(name) + 1, secondColumnOffset_);
    dc.drawText(QRect(second, textTop, std::max(0, r.right() - second + 1), metrics.height()), kFlags, path);
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
    if (ShowsLongNames())
        LearnLongName(result);
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
    SetRedraw(false);
    ClearList();
    longNames_.Clear();
    WriteTotal();
    SetRedraw(true);
}

bool TSongList::ShowsLongNames() const
{
    return options_ && options_->IsChecked(kShowLongNamesCommand);
}

void TSongList::LearnLongName(int index)
{
    if (const char* path = GetSongPath(index))
        longNames_.Learn(path);
}

void TSongList::RefreshLongNames()
{
    longNames_.Clear();
    if (ShowsLongNames()) {
        for (int i = 0; i < GetCount(); ++i)
            LearnLongName(i);
    }
    viewport()->update();
}

std::string TSongList::LongName(const char* path) const
{
    if (!path || !ShowsLongNames())
        return {};
    return std::string(longNames_.Find(path));
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
