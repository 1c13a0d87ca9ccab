#pragma once
// One open ODBC connection with the statements prepared on it. A connection is used by one request at
// a time (the session that holds it); the pool hands it from session to session.

#include <sql.h>

#include <chrono>
#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

class OdbcConnection {
  public:
    // Takes over an open connection handle made with the connection string.
    OdbcConnection(std::string connectionString, SQLHDBC handle);
    // Frees the kept statements, disconnects and frees the handle; failures are reported with the name
    // the connection was last used under ("Sarvik Error: Failed to do SQLDisconnect on DBCCat").
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    SQLHDBC handle() const { return handle_; }
    const std::string& connectionString() const { return connectionString_; }
    // The connection is to SQLite (set when it is opened).
    bool sqlite() const { return sqlite_; }
    void setSqlite(bool sqlite) { sqlite_ = sqlite; }
    // The name in messages: DBCCat or DBCLib.
    void setName(const char* name) { name_ = name; }

    // A kept statement prepared from exactly this text, handed over (and no longer kept); null when none.
    SQLHSTMT takeStatement(std::string_view text);
    // Keeps a statement for reuse; it must be closed, unbound and without parameters. The least recently
    // kept statement beyond kKeptStatements is freed.
    void keepStatement(std::string text, SQLHSTMT statement);
    std::size_t keptStatements() const { return kept_.size(); }

    // The connection no longer works: it is closed instead of being reused.
    void markBroken() { broken_ = true; }
    bool broken() const { return broken_; }
    // After a failed call on the connection or one of its statements, with the SQLSTATE it left: a
    // connection exception (class 08), or a driver that reports the connection dead, marks it broken.
    void noteFailure(std::string_view sqlState);
    // Broken, or reported dead by the driver (a driver that cannot tell counts as alive).
    bool dead();
    // Opened more than kLifetime ago: the pool closes it rather than reuse it, so that a catalogue
    // replaced on disk (a new SQLite file under the old name) is opened anew within that time.
    bool expired() const { return std::chrono::steady_clock::now() - opened_ > kLifetime; }

    static constexpr std::chrono::seconds kLifetime{300};

    static constexpr std::size_t kKeptStatements = 16;

  private:
    using KeptList = std::list<std::pair<std::string, SQLHSTMT>>;

    std::string connectionString_;
    SQLHDBC handle_;
    const char* name_ = "DBCCat";
    bool broken_ = false;
    bool sqlite_ = false;
    std::chrono::steady_clock::time_point opened_ = std::chrono::steady_clock::now();
    // Most recently kept first; the map finds an entry by its text.
    KeptList kept_;
    std::unordered_map<std::string_view, KeptList::iterator> byText_;
};
