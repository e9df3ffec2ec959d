#pragma once
// The four reference list windows: each reads one table of the reference database when it loads
// and lists one fixed-width line per row, in the engine's order, under a header whose headings
// stand over their columns. One class interprets the declarations of all four.

#include "reference/fields.h"
#include "ui/form.h"

#include <QLabel>

#include <functional>
#include <vector>

class QListWidget;

namespace reference {

struct ListField {
    const char* column;
    int width;          // the field is padded with blanks or cut to this many characters
    NamedFormat format; // how a number in it is written
    int gap = 0;        // blanks before the field
};

struct ListDefinition {
    const char* className;
    const char* caption;
    const char* closeCaption;
    const char* query;
    const char* header; // the header label's exact text
    std::vector<ListField> fields;
    bool closeShowsMain = false; // closing brings the main window to the front
};

const std::vector<ListDefinition>& listDefinitions();
void registerListWindows();

// The line listed for one row; field reads a column of the current row (it may throw).
QString listLine(const ListDefinition& definition, const std::function<QVariant(const QString&)>& field);
// The character column at which each field starts.
std::vector<int> fieldColumns(const ListDefinition& definition);
// The header's headings: the words between runs of three or more blanks.
QStringList headings(const QString& header);

// A header label whose text is kept exactly as given, painted with each heading standing over the
// column of the list it names.
class ColumnHeader : public QLabel {
    Q_OBJECT
  public:
    ColumnHeader(const QString& text, std::vector<int> columns, QListWidget* list, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Where character column 0 of the list's lines is, in this label's coordinates.
    int textOrigin() const;
    // The width of that many characters of the list's fixed-pitch font.
    int columnOffset(int column) const;
    int columnX(int column) const;
    std::vector<int> m_columns;
    QListWidget* m_list;
};

class ReferenceList : public Form {
    Q_OBJECT
  public:
    explicit ReferenceList(const ListDefinition& definition);
    void Form_Load() override;
    void cmdCancel_Click();

  private:
    const ListDefinition& m_def;
    QListWidget* m_list;
};

} // namespace reference
