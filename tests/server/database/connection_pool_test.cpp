#include "Quorvane/database/connection_pool.h"

#include <gtest/gtest.h>
#include <sqlext.h>

#include <memory>
#include <thread>
#include <vector>

#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/session_statement.h"
#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

class PooledConnections : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db",
                       {"CREATE TABLE T (K INTEGER, V TEXT)", "INSERT INTO T VALUES (1, 'one')",
                        "INSERT INTO T VALUES (2, 'two')"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        takeLog();
    }

    ConnectionPool& pool() { return ConnectionPool::instance(); }
    std::size_t idle() { return pool().idleCount(connectionString("catalogue.db")); }

    // The rows of "SELECT V FROM T WHERE K = XXXXX" for the key, run through a kept statement.
    std::vector<std::string> valuesOf(SessionRecord& session, const std::string& key) {
        SessionStatement statement(session);
        EXPECT_TRUE(statement.prepareKeyed(OdbcSource::Catalogue, "SELECT V FROM T WHERE K = XXXXX", key));
        BoundColumns columns;
        EXPECT_TRUE(columns.bind(statement.handle(), 10));
        EXPECT_TRUE(SQL_SUCCEEDED(SQLExecute(statement.handle())));
        std::vector<std::string> values;
        SQLRETURN fetched = SQL_NO_DATA;
        while (FetchNextRow(statement.handle(), &fetched)) values.emplace_back(columns.text(0).value_or(""));
        return values;
    }
};

TEST_F(PooledConnections, ASessionsConnectionServesTheNextSessionWithItsStatements) {
    ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
    const OdbcConnection* first = session_.catalogueConnection.get();
    EXPECT_EQ(valuesOf(session_, "1"), std::vector<std::string>{"one"});
    EXPECT_EQ(valuesOf(session_, "2"), std::vector<std::string>{"two"});
    EXPECT_EQ(first->keptStatements(), 1u);  // both keys ran the one parameterised statement
    const std::size_t idleBefore = idle();
    DisconnectDatabase(session_);
    EXPECT_EQ(idle(), idleBefore + 1);

    SessionRecord next;
    ASSERT_TRUE(ConnectDatabase(next, "CAT"));
    EXPECT_EQ(next.catalogueConnection.get(), first);
    EXPECT_EQ(idle(), idleBefore);
    EXPECT_EQ(valuesOf(next, "2"), std::vector<std::string>{"two"});
    DisconnectDatabase(next);
}

TEST_F(PooledConnections, ABrokenConnectionIsClosedAndTheNextStatementReconnects) {
    ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
    OdbcConnection* broken = session_.catalogueConnection.get();
    broken->markBroken();
    takeLog();
    ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
    EXPECT_EQ(takeLog(), "SUCCESS: ODBCDisconnectDB\nSUCCESS: ODBCConnectDB\n");
    EXPECT_FALSE(session_.catalogueConnection->broken());  // a new connection: the broken one was closed
    EXPECT_EQ(idle(), 0u);
    EXPECT_EQ(valuesOf(session_, "1"), std::vector<std::string>{"one"});
}

TEST_F(PooledConnections, SessionsOnManyThreadsShareThePoolWithoutSharingAConnection) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 20;
    std::vector<std::vector<std::string>> answers(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([this, t, &answers] {
            for (int round = 0; round < kRounds; ++round) {
                SessionRecord session;
                if (!ConnectDatabase(session, "CAT")) return;
                for (const std::string& value : valuesOf(session, std::to_string(1 + (t + round) % 2))) {
                    answers[t].push_back(value);
                }
                DisconnectDatabase(session);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) {
        ASSERT_EQ(answers[t].size(), static_cast<std::size_t>(kRounds)) << t;
        for (int round = 0; round < kRounds; ++round)
            EXPECT_EQ(answers[t][round], (t + round) % 2 ? "two" : "one");
    }
    EXPECT_LE(idle(), static_cast<std::size_t>(kThreads));
}

TEST_F(PooledConnections, IdleConnectionsAndKeptStatementsAreBounded) {
    std::vector<std::unique_ptr<OdbcConnection>> taken;
    for (std::size_t i = 0; i < ConnectionPool::kIdlePerString + 2; ++i) {
        ConnectFailure failure;
        taken.push_back(pool().acquire(connectionString("catalogue.db"), "DBCCat", &failure));
        ASSERT_NE(taken.back(), nullptr) << failure.message;
    }
    EXPECT_EQ(idle(), 0u);
    for (auto& connection : taken) pool().release(std::move(connection));
    EXPECT_EQ(idle(), ConnectionPool::kIdlePerString);

    ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
    for (std::size_t i = 0; i < OdbcConnection::kKeptStatements + 3; ++i) {
        SessionStatement statement(session_);
        ASSERT_TRUE(statement.prepareKeyed(
            OdbcSource::Catalogue, "SELECT K FROM T WHERE K = XXXXX OR K > " + std::to_string(i), "1"));
    }
    EXPECT_EQ(session_.catalogueConnection->keptStatements(), OdbcConnection::kKeptStatements);
    {
        SessionStatement statement(session_);
        ASSERT_TRUE(statement.prepare(OdbcSource::Catalogue, "SELECT K FROM T"));
        ASSERT_TRUE(statement.prepareKeyed(OdbcSource::Catalogue, "SELECT K FROM T WHERE V = 'XXXXX%'", "o"));
    }
    EXPECT_EQ(session_.catalogueConnection->keptStatements(),
              OdbcConnection::kKeptStatements);  // neither kept
}

TEST_F(PooledConnections, AStatementThatFailedIsNotKeptAndTheCatalogueIsReadOnly) {
    ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
    {
        SessionStatement statement(session_);
        ASSERT_TRUE(statement.prepareKeyed(OdbcSource::Catalogue, "DELETE FROM T WHERE K = XXXXX", "1"));
        EXPECT_FALSE(SQL_SUCCEEDED(SQLExecute(statement.handle())));
    }
    EXPECT_EQ(session_.catalogueConnection->keptStatements(), 0u);
    EXPECT_FALSE(session_.catalogueConnection->broken());
    EXPECT_EQ(valuesOf(session_, "2"), std::vector<std::string>{"two"});
}

}  // namespace
