#pragma once

#include <QByteArray>
#include <QHash>
#include <QListWidget>
#include <QString>

#include <vector>

// The framework list box: a single-selection list that keeps its text lines in insertion
// order. Texts cross this interface as zero-terminated UTF-8 strings; indexes are
// zero-based and a negative result means failure.
//
// An index of line text -> number of equal lines is kept in step with the list's model
// (also when lines are changed through QListWidget's own functions), so an exact search
// for a line that is not present costs no scan.
class TListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TListBox(QWidget* parent = nullptr);
    ~TListBox() override;

    int GetCount() const;

    // The selected line, or -1 without a selection.
    int GetSelIndex() const;

    // Selects line index and makes it visible; an index that names no line clears the
    // selection and fails with -1.
    int SetSelIndex(int index);

    // Length of line index in bytes, or -1 when index names no line.
    int GetStringLen(int index) const;

    // Copies line index into buffer (bufferSize bytes, terminating zero included) and returns
    // its length; -1 when index names no line or the line does not fit.
    int GetString(char* buffer, int bufferSize, int index) const;

    // Line index as UTF-8 bytes; an empty array when index names no line.
    QByteArray GetStringBytes(int index) const;

    // Deletes line index; returns the number of lines left, or -1 when index names no line.
    int DeleteString(int index);

    // Inserts text before line index (-1: at the end); returns the new line's index, or -1
    // when index lies beyond the end or text is null or not valid UTF-8.
    int InsertString(const char* text, int index);
    int AddString(const char* text);

    // Appends every line of texts in order, as AddString one by one would, in one insertion
    // (null texts are skipped); returns the number of lines appended, or -1 and nothing
    // changes when one of them is not valid UTF-8.
    int AddStrings(const std::vector<const char*>& texts);

    void ClearList();

    // First line after startIndex (wrapping round to the start; -1 searches from the start)
    // that begins with prefix, ignoring case; -1 when none does.
    int FindString(const char* prefix, int startIndex = -1) const;

    // First line after startIndex (wrapping as above) that equals text exactly; -1 when none.
    int FindExactString(const char* text, int startIndex = -1) const;

    // Switches repainting off and on; switching it on repaints the whole list once.
    void SetRedraw(bool redraw);

private:
    void CountRows(int first, int last, int delta);
    void RebuildIndex() const;

    mutable QHash<QString, int> lineCounts_;
    mutable bool indexStale_ = false;
};
