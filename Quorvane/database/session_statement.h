#pragma once
// Statements on the session's connections. Failures are reported through LogAndDiagnose (with the
// driver's diagnostic as a further line of diaginfo.txt) and set the session's pending diagnostic 2.

#include <sql.h>

#include <string_view>

#include "Quorvane/session/session_record.h"

enum class OdbcSource : int { Library = 0, Catalogue = 1 };

// Allocates a statement on the chosen connection, appends its text to diaginfo.txt and prepares it.
// 1 with the handle in *statement; 0 on failure (nothing is handed out). Never connects: without the
// connection it reports "Sarvik Error: Cannot SQLAllocHandle with a null DBC".
int PrepareStatement(SessionRecord& session, OdbcSource source, std::string_view text, SQLHSTMT* statement);
// Frees the statement: 1, also for a null handle; 0 when the driver refuses.
int FreeStatement(SessionRecord& session, SQLHSTMT statement);

// A statement of the session that is freed with FreeStatement when the object goes.
class SessionStatement {
  public:
    explicit SessionStatement(SessionRecord& session) : session_(session) {}
    ~SessionStatement();
    SessionStatement(const SessionStatement&) = delete;
    SessionStatement& operator=(const SessionStatement&) = delete;

    // PrepareStatement into this object (a statement held before is freed first); true on success.
    bool prepare(OdbcSource source, std::string_view text);
    // SQL_NULL_HSTMT until a prepare succeeded.
    SQLHSTMT handle() const { return handle_; }

  private:
    SessionRecord& session_;
    SQLHSTMT handle_ = SQL_NULL_HSTMT;
};
