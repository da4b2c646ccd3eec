#include "controls/TListBox.h"

#include <cstring>

namespace {

// Null when bytes are not valid UTF-8: such a line could not be given back unchanged.
bool DecodeUtf8(const char* text, QString& out)
{
    if (!text)
        return false;
    const QByteArrayView bytes(text, static_cast<qsizetype>(std::strlen(text)));
    out = QString::fromUtf8(bytes);
    return !out.contains(QChar::ReplacementCharacter) || out.toUtf8() == bytes;
}

} // namespace

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    QAbstractItemModel* m = model();
    connect(m, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { CountRows(first, last, +1); });
    connect(m, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { CountRows(first, last, -1); });
    connect(m, &QAbstractItemModel::modelReset, this, [this] { indexStale_ = true; });
    // Only a change of the text can change the index; colours or icons set on lines later
    // must not cost a rebuild per search.
    connect(m, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole))
                    indexStale_ = true;
            });
}

TListBox::~TListBox()
{
    // The model outlives this part of the object: the widget base deletes it later and
    // it reports that as a reset, which must not reach the index any more.
    model()->disconnect(this);
}

void TListBox::CountRows(int first, int last, int delta)
{
    if (indexStale_)
        return;
    for (int row = first; row <= last; ++row) {
        const QListWidgetItem* it = item(row);
        if (!it)
            continue;
        int& n = lineCounts_[it->text()];
        n += delta;
        if (n <= 0)
            lineCounts_.remove(it->text());
    }
}

void TListBox::RebuildIndex() const
{
    lineCounts_.clear();
    for (int row = 0, n = count(); row < n; ++row)
        ++lineCounts_[item(row)->text()];
    indexStale_ = false;
}

int TListBox::GetCount() const
{
    return count();
}

int TListBox::GetSelIndex() const
{
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

int TListBox::SetSelIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        return -1;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    return index;
}

int TListBox::GetStringLen(int index) const
{
    if (index < 0 || index >= count())
        return -1;
    return static_cast<int>(item(index)->text().toUtf8().size());
}

QByteArray TListBox::GetStringBytes(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return item(index)->text().toUtf8();
}

int TListBox::GetString(char* buffer, int bufferSize, int index) const
{
    if (!buffer || index < 0 || index >= count())
        return -1;
    const QByteArray bytes = item(index)->text().toUtf8();
    if (bytes.size() >= bufferSize)
        return -1;
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(bytes.size()) + 1);
    return static_cast<int>(bytes.size());
}

int TListBox::DeleteString(int index)
{
    if (index < 0 || index >= count())
        return -1;
    delete takeItem(index);
    return count();
}

int TListBox::InsertString(const char* text, int index)
{
    QString line;
    if (!DecodeUtf8(text, line))
        return -1;
    if (index == -1)
        index = count();
    if (index < 0 || index > count())
        return -1;
    insertItem(index, line);
    return index;
}

int TListBox::AddString(const char* text)
{
    return InsertString(text, -1);
}

int TListBox::AddStrings(const std::vector<const char*>& texts)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(texts.size()));
    for (const char* text : texts) {
        if (!text)
            continue;
        if (!DecodeUtf8(text, lines.emplace_back()))
            return -1;
    }
    insertItems(count(), lines);
    return static_cast<int>(lines.size());
}

void TListBox::ClearList()
{
    clear();
    lineCounts_.clear();
    indexStale_ = false;
}

int TListBox::FindString(const char* prefix, int startIndex) const
{
    QString wanted;
    if (!DecodeUtf8(prefix, wanted))
        return -1;
    const int n = count();
    if (startIndex < -1 || startIndex >= n)
        startIndex = -1;
    for (int i = 1; i <= n; ++i) {
        const int row = (startIndex + i) % n;
        if (item(row)->text().startsWith(wanted, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

int TListBox::FindExactString(const char* text, int startIndex) const
{
    QString wanted;
    if (!DecodeUtf8(text, wanted))
        return -1;
    if (indexStale_)
        RebuildIndex();
    if (!lineCounts_.contains(wanted))
        return -1;
    const int n = count();
    if (startIndex < -1 || startIndex >= n)
        startIndex = -1;
    for (int i = 1; i <= n; ++i) {
        const int row = (startIndex + i) % n;
        if (item(row)->text() == wanted)
            return row;
    }
    return -1;
}

void TListBox::SetRedraw(bool redraw)
{
    setUpdatesEnabled(redraw);
    if (redraw)
        viewport()->update();
}
