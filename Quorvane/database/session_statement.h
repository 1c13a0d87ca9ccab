#pragma once
// Statements on the session's connections. Failures are reported through LogAndDiagnose (with the
// driver's diagnostic as a further line of diaginfo.txt) and answer kConditionTemporarySystemError.

#include <sql.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/key_list_statement.h"
#include "Quorvane/database/key_parameters.h"
#include "Quorvane/database/text_parameters.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

enum class OdbcSource : int { Library = 0, Catalogue = 1 };

// The session's connection of the source; nullptr when it has none.
OdbcConnection* SourceConnection(const SessionRecord& session, OdbcSource source);

// Allocates a statement on the chosen connection, appends its text to diaginfo.txt and prepares it.
// On success the handle is in *statement; a failure hands nothing out. Never connects: without the
// connection it reports "Sarvik Error: Cannot SQLAllocHandle with a null DBC".
Bib1Outcome PrepareStatement(const SessionRecord& session, OdbcSource source, std::string_view text,
                             SQLHSTMT* statement);
// Frees the statement (nothing to do for a null handle); fails when the driver refuses.
Bib1Outcome FreeStatement(SQLHSTMT statement);

// A prepared statement of the session, freed when the object goes; a statement prepared with key
// parameters is kept on its connection instead for the next key (closed, unbound, without parameters),
// unless it ended in an error (an error of the connection marks it broken). Statements of other texts
// are not kept: they seldom recur, and every statement a connection holds lengthens the driver
// manager's handle checks on every call. The object must not outlive the session's connection. A statement
// the driver refuses to free when the object goes is reported, and its condition dropped.
class SessionStatement {
  public:
    explicit SessionStatement(const SessionRecord& session) : session_(session) {}
    ~SessionStatement() { release(); }
    SessionStatement(const SessionStatement&) = delete;
    SessionStatement& operator=(const SessionStatement&) = delete;

    // PrepareStatement of the text; a statement held before is let go first.
    Bib1Outcome prepare(OdbcSource source, std::string_view text);
    // The template with its "XXXXX" placeholders standing for the key: with the key as a parameter where
    // KeyParameters allows (the statement kept on the connection for the template, else prepared), else
    // prepared with the key substituted (quotes doubled). Either way diaginfo.txt gets the text with the
    // key substituted and "SUCCESS: ODBCPrepareStmt" is logged at the detail level.
    Bib1Outcome prepareKeyed(OdbcSource source, std::string_view statementTemplate, std::string_view key);
    // The key-list form with the keys bound (kept on the connection for its text like a keyed
    // statement); diaginfo.txt gets the text with the keys written in. A refused binding reports
    // "Sarvik Error: Failed to do SQLBindParameter on STMT".
    Bib1Outcome prepareKeyList(OdbcSource source, const KeyListStatement& statement,
                               std::span<const std::int64_t> keys);
    // Prepares the text (not kept) without a trace, for a form of a statement the caller can do without: a
    // refusal is neither logged nor noted on the connection, and diaginfo.txt gets nothing until announce().
    bool prepareQuietly(OdbcSource source, std::string_view text);
    // The key-list statement in another form with the same parameters (its text given), the keys bound,
    // kept on the connection for that text; prepared quietly as prepareQuietly. announce(statement.shown
    // (keys)) logs it.
    bool prepareKeyListQuietly(OdbcSource source, std::string_view text, const KeyListStatement& statement,
                               std::span<const std::int64_t> keys);
    // A keyed statement in another form with the same parameters (its text given), the key bound, kept on
    // the connection for that text; prepared quietly as prepareQuietly. The parameters must stay in place
    // until the statement has run.
    bool prepareKeyedQuietly(OdbcSource source, std::string_view text, KeyParameters& parameters);
    // The statement with its quoted texts as parameters (kept on the connection for its parameterised
    // text), the texts bound; prepared quietly as prepareQuietly. The texts must stay in place until the
    // statement has run.
    bool prepareTextsQuietly(OdbcSource source, TextParameters& texts);
    // Logs a quietly prepared statement as prepare() logs its own, with shown as its text.
    void announce(std::string_view shown) const;
    // Frees the statement without noting how it ended (a quiet form the caller gives up on).
    void abandon();
    // SQL_NULL_HSTMT until a prepare succeeded.
    SQLHSTMT handle() const { return handle_; }

  private:
    Bib1Outcome prepareShown(OdbcSource source, std::string_view text, std::string_view shown, bool keep);
    Bib1Outcome bindFailed();
    // The statement kept for the text, or the text prepared, without a trace.
    bool prepareKeptQuietly(OdbcSource source, std::string_view text);
    // Gives the statement up when its parameters could not be bound; answers whether they were.
    bool bindQuietly(bool bound);
    void release();

    const SessionRecord& session_;
    OdbcConnection* connection_ = nullptr;
    std::string text_;  // the text the statement is kept under; empty when it is not kept
    SQLHSTMT handle_ = SQL_NULL_HSTMT;
    std::optional<KeyParameters> parameters_;
};
