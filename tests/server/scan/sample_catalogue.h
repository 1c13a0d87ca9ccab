#pragma once
// The sample catalogue as data/generate.py writes it, generated once per test program into a temporary
// directory that is removed when the program ends, and the shipped control files that serve it.

#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline const std::string kSampleSourceDir = QUORVANE_SOURCE_DIR;
inline const std::string kShippedControlDir = kSampleSourceDir + "/conf/control";

class GeneratedCatalogue {
  public:
    static constexpr int kRecords = 300;

    // The directory holding catalogue.db and library.db (with a trailing '/'); empty when generating
    // failed, with the generator's output in failure().
    static const GeneratedCatalogue& instance() {
        static const GeneratedCatalogue catalogue;
        return catalogue;
    }

    const std::string& dir() const { return dir_; }
    const std::string& failure() const { return failure_; }

    // An ODBC connection string of one of the two databases, stepped at each fetch as shipped.
    std::string connectionString(const std::string& file) const {
        return "Driver=SQLite3;Database=" + dir_ + file + ";NoCreat=1;StepAPI=1";
    }

    // The rows of a statement run on the catalogue, every column as text (NULL as empty).
    std::vector<std::vector<std::string>> rows(const std::string& statement) const {
        SQLHENV environment = SQL_NULL_HENV;
        SQLHDBC connection = SQL_NULL_HDBC;
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment);
        SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection);
        std::string text = connectionString("catalogue.db");
        std::vector<std::vector<std::string>> answer;
        if (SQL_SUCCEEDED(SQLDriverConnect(connection, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                           SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
            SQLHSTMT handle = SQL_NULL_HSTMT;
            SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle);
            std::string sql = statement;
            SQLSMALLINT columns = 0;
            EXPECT_TRUE(SQL_SUCCEEDED(SQLExecDirect(handle, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)))
                << statement;
            SQLNumResultCols(handle, &columns);
            while (SQL_SUCCEEDED(SQLFetch(handle))) {
                std::vector<std::string>& row = answer.emplace_back();
                for (SQLUSMALLINT column = 1; column <= columns; ++column) {
                    char buffer[4096] = {};
                    SQLLEN length = 0;
                    SQLGetData(handle, column, SQL_C_CHAR, buffer, sizeof buffer, &length);
                    row.emplace_back(length >= 0 ? buffer : "");
                }
            }
            SQLFreeHandle(SQL_HANDLE_STMT, handle);
            SQLDisconnect(connection);
        }
        SQLFreeHandle(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        return answer;
    }

    // The first column of the first row; empty without a row.
    std::string value(const std::string& statement) const {
        std::vector<std::vector<std::string>> found = rows(statement);
        return found.empty() || found[0].empty() ? std::string() : found[0][0];
    }

    // A count the test works out itself, straight from the catalogue's tables.
    std::uint32_t count(const std::string& statement) const {
        const std::string text = value(statement);
        EXPECT_FALSE(text.empty()) << statement;
        return static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    }

    GeneratedCatalogue(const GeneratedCatalogue&) = delete;
    GeneratedCatalogue& operator=(const GeneratedCatalogue&) = delete;

  private:
    GeneratedCatalogue() {
        std::string pattern = testing::TempDir() + "quorvane_catalogue_XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            failure_ = "no temporary directory";
            return;
        }
        root_ = pattern + "/";
        const std::string output = root_ + "generate.txt";
        const std::string command = "python3 " + kSampleSourceDir + "/data/generate.py --records " +
                                    std::to_string(kRecords) + " --seed 1 --out " + root_ +
                                    "sample --control " + kShippedControlDir + " > " + output + " 2>&1";
        if (std::system(command.c_str()) != 0) {
            std::ifstream in(output);
            failure_ = "data/generate.py failed: " + std::string(std::istreambuf_iterator<char>(in), {});
            return;
        }
        dir_ = root_ + "sample/";
    }
    ~GeneratedCatalogue() {
        if (!root_.empty()) std::filesystem::remove_all(root_);
    }

    std::string root_;
    std::string dir_;
    std::string failure_;
};
