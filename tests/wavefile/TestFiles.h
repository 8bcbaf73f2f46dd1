#pragma once
// Scratch directory and byte-level helpers for tests that write files.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace testfiles {

class TempDir {
public:
    TempDir()
    {
        const char* pszBase = std::getenv("TMPDIR");
        std::string strTemplate = std::string(pszBase && *pszBase ? pszBase : "/tmp") + "/vadel-XXXXXX";
        if (!::mkdtemp(strTemplate.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = strTemplate;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& strName) const { return (m_path / strName).string(); }

private:
    std::filesystem::path m_path;
};

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadAll(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& strPath, const Bytes& bytes)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::uint32_t Le32(const Bytes& b, std::size_t at)
{
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 |
           std::uint32_t(b.at(at + 2)) << 16 | std::uint32_t(b.at(at + 3)) << 24;
}

inline std::uint16_t Le16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

// Appends little-endian values or raw text to a byte image under construction.
struct Builder {
    Bytes bytes;
    Builder& U32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    Builder& U16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Builder& Text(const std::string& s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    Builder& Zeros(std::size_t n)
    {
        bytes.insert(bytes.end(), n, 0);
        return *this;
    }
};

}  // namespace testfiles
