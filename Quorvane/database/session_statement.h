#pragma once
// Statements on the session's connections. Failures are reported through LogAndDiagnose (with the
// driver's diagnostic as a further line of diaginfo.txt) and set the session's pending diagnostic 2.

#include <sql.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/key_list_statement.h"
#include "Quorvane/database/key_parameters.h"

enum class OdbcSource : int { Library = 0, Catalogue = 1 };

// Allocates a statement on the chosen connection, appends its text to diaginfo.txt and prepares it.
// 1 with the handle in *statement; 0 on failure (nothing is handed out). Never connects: without the
// connection it reports "Sarvik Error: Cannot SQLAllocHandle with a null DBC".
int PrepareStatement(SessionRecord& session, OdbcSource source, std::string_view text, SQLHSTMT* statement);
// Frees the statement: 1, also for a null handle; 0 when the driver refuses.
int FreeStatement(SessionRecord& session, SQLHSTMT statement);

// A prepared statement of the session, freed when the object goes; a statement prepared with key
// parameters is kept on its connection instead for the next key (closed, unbound, without parameters),
// unless it ended in an error (an error of the connection marks it broken). Statements of other texts
// are not kept: they seldom recur, and every statement a connection holds lengthens the driver
// manager's handle checks on every call. The object must not outlive the session's connection.
class SessionStatement {
  public:
    explicit SessionStatement(SessionRecord& session) : session_(session) {}
    ~SessionStatement() { release(); }
    SessionStatement(const SessionStatement&) = delete;
    SessionStatement& operator=(const SessionStatement&) = delete;

    // PrepareStatement of the text; a statement held before is let go first. True on success.
    bool prepare(OdbcSource source, std::string_view text);
    // The template with its "XXXXX" placeholders standing for the key: with the key as a parameter where
    // KeyParameters allows (the statement kept on the connection for the template, else prepared), else
    // prepared with the key substituted (quotes doubled). Either way diaginfo.txt gets the text with the
    // key substituted and "SUCCESS: ODBCPrepareStmt" is logged at the detail level.
    bool prepareKeyed(OdbcSource source, std::string_view statementTemplate, std::string_view key);
    // The key-list form with the keys bound (kept on the connection for its text like a keyed
    // statement); diaginfo.txt gets the text with the keys written in. A refused binding reports
    // "Sarvik Error: Failed to do SQLBindParameter on STMT".
    bool prepareKeyList(OdbcSource source, const KeyListStatement& statement,
                        std::span<const std::int64_t> keys);
    // SQL_NULL_HSTMT until a prepare succeeded.
    SQLHSTMT handle() const { return handle_; }

  private:
    bool prepareShown(OdbcSource source, std::string_view text, std::string_view shown, bool keep);
    bool bindFailed();
    void release();

    SessionRecord& session_;
    OdbcConnection* connection_ = nullptr;
    std::string text_;  // the text the statement is kept under; empty when it is not kept
    SQLHSTMT handle_ = SQL_NULL_HSTMT;
    std::optional<KeyParameters> parameters_;
};
