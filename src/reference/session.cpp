#include "reference/session.h"

#include "ui/platform.h"

reference::Workspace ReferenceWorkspace;
reference::Database ReferenceDatabase;
QString ReferenceQuery;
reference::Recordset ReferenceRecordset;
QString SelectedElementSymbol;

namespace reference {

void resetSession() {
    ReferenceDatabase = {};
    ReferenceQuery.clear();
    ReferenceRecordset = {};
    SelectedElementSymbol.clear();
    ReferenceWorkspace = {};
}

void readRows(const QString& query, const QStringList& values, const std::function<void()>& read,
              const QString& failureTitle, QWidget* owner) {
    try {
        ReferenceQuery = query;
        ReferenceRecordset = values.isEmpty() ? ReferenceDatabase.openRecordset(ReferenceQuery, dbOpenDynaset)
                                              : ReferenceDatabase.openRecordset(ReferenceQuery, values);
        read();
        ReferenceRecordset.close();
    } catch (const std::runtime_error& e) {
        ReferenceRecordset.close();
        platform::message(failureTitle, QString::fromUtf8(e.what()), platform::Icon::Information, owner);
    }
}

} // namespace reference
