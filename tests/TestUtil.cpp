#include "TestUtil.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <csignal>
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
void RemoveTree(const std::string& dir) {
#ifdef _WIN32
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "/*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string n = fd.cFileName;
            if (n == "." || n == "..")
                continue;
            std::string p = dir + "/" + n;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(p);
            else {
                SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(p.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
#else
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n == "." || n == "..")
                continue;
            std::string p = dir + "/" + n;
            struct stat st;
            if (lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                RemoveTree(p);
            else
                unlink(p.c_str());
        }
        closedir(d);
    }
    rmdir(dir.c_str());
#endif
}

} // namespace

void MakeDir(const std::string& dir) {
#ifdef _WIN32
    _mkdir(dir.c_str());
#else
    mkdir(dir.c_str(), 0755);
#endif
}

std::string FreshDir(const std::string& name) {
    std::string dir = "tmp_" + name;
    RemoveTree(dir);
    MakeDir(dir);
    return dir;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

namespace {
std::string HostPath(const std::string& unixPath) {
#ifdef _WIN32
    std::string p = "Z:" + unixPath;
    for (char& c : p)
        if (c == '/')
            c = '\\';
    return p;
#else
    return unixPath;
#endif
}
} // namespace

std::string SourcePath(const std::string& relative) {
    return HostPath(std::string(KOYOMI_SOURCE_DIR) + "/" + relative);
}

std::string BinPath(const std::string& name) {
    return HostPath(std::string(KOYOMI_BIN_DIR) + "/" + name);
}

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> files;
#ifdef _WIN32
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back(dir + "\\" + fd.cFileName);
        while (FindNextFileA(h, &fd));
        FindClose(h);
    }
#else
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            struct stat st;
            const std::string p = dir + "/" + e->d_name;
            if (stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                files.push_back(p);
        }
        closedir(d);
    }
#endif
    std::sort(files.begin(), files.end());
    return files;
}

#ifndef _WIN32
bool WithFileSizeLimit(unsigned long bytes, const std::function<void()>& step) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    rlimit small = saved;
    small.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &small) != 0)
        return false;
    step();
    setrlimit(RLIMIT_FSIZE, &saved);
    return true;
}
#endif
