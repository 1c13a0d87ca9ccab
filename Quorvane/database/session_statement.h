#pragma once
// Statements on the session's connections. Failures are reported through LogAndDiagnose (with the
// driver's diagnostic as a further line of diaginfo.txt) and set the session's pending diagnostic 2.

#include <sql.h>

#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/database/key_parameters.h"
#include "Quorvane/session/session_record.h"

enum class OdbcSource : int { Library = 0, Catalogue = 1 };

// Allocates a statement on the chosen connection, appends its text to diaginfo.txt and prepares it.
// 1 with the handle in *statement; 0 on failure (nothing is handed out). Never connects: without the
// connection it reports "Sarvik Error: Cannot SQLAllocHandle with a null DBC".
int PrepareStatement(SessionRecord& session, OdbcSource source, std::string_view text, SQLHSTMT* statement);
// Frees the statement: 1, also for a null handle; 0 when the driver refuses.
int FreeStatement(SessionRecord& session, SQLHSTMT statement);

// A prepared statement of the session, kept on its connection for the next use of the same text when the
// object goes (closed, unbound, without parameters); a statement that ended in an error is freed instead,
// and an error of the connection marks it broken. The object must not outlive the session's connection.
class SessionStatement {
  public:
    explicit SessionStatement(SessionRecord& session) : session_(session) {}
    ~SessionStatement() { release(); }
    SessionStatement(const SessionStatement&) = delete;
    SessionStatement& operator=(const SessionStatement&) = delete;

    // A statement of the text: one kept on the connection, else PrepareStatement. Either way the text
    // goes to diaginfo.txt and "SUCCESS: ODBCPrepareStmt" is logged at the detail level. A statement held
    // before is given back first. True on success.
    bool prepare(OdbcSource source, std::string_view text);
    // The template with its "XXXXX" placeholders standing for the key: prepared with the key as a
    // parameter where KeyParameters allows (then every key shares one statement), else with the key
    // substituted (quotes doubled). diaginfo.txt gets the text with the key substituted either way.
    bool prepareKeyed(OdbcSource source, std::string_view statementTemplate, std::string_view key);
    // SQL_NULL_HSTMT until a prepare succeeded.
    SQLHSTMT handle() const { return handle_; }

  private:
    bool prepareShown(OdbcSource source, std::string_view text, std::string_view shown);
    void release();

    SessionRecord& session_;
    OdbcConnection* connection_ = nullptr;
    std::string text_;
    SQLHSTMT handle_ = SQL_NULL_HSTMT;
    std::optional<KeyParameters> parameters_;
};
