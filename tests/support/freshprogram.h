#pragma once
// For tests that give each test function a program of its own (tests that link the whole program):
// before it, new recorders in place of the desktop; after it, everything it left put away, as a new
// start of the program expects: every window unloaded, the program's globals at their start values
// (the reference database closed), and the recorders gone.

#include "app/Module1.h"
#include "recorders.h"
#include "uitest.h"

#include <optional>

class FreshProgram {
  public:
    // For init(). The recorders give the build folder, with the program's own database, as the
    // program's folder, or the folder given.
    RecordingPlatform* begin(const QString& folder = {}) {
        m_rec.emplace();
        if (!folder.isEmpty())
            m_rec->folder.folder = folder;
        return &*m_rec;
    }

    // For cleanup(). Returns the text of the first message box the test left on the record, for a
    // test that takes off every message it expects; empty when there is none.
    QString end() {
        program::reset();
        settle();
        const QString left =
            m_rec && !m_rec->messages.messages.isEmpty()
                ? QStringLiteral("a message box: \"%1\"").arg(m_rec->messages.messages.first().text)
                : QString();
        m_rec.reset();
        return left;
    }

  private:
    std::optional<RecordingPlatform> m_rec;
};
