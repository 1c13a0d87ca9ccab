#pragma once
// Per-process names for files the platform tests write.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

inline std::string tempPath(const std::string& name) {
    return testing::TempDir() + "server_platform_" + std::to_string(::getpid()) + "_" + name;
}

inline std::string writeTemp(const std::string& name, const std::string& content) {
    std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
