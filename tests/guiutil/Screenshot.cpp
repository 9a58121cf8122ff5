// Screenshots as PNG files: the screen's pixels under a window, stored uncompressed (deflate's
// stored blocks), so that no image library is needed.
#include "GuiUtil.h"

#include <cstdint>
#include <fstream>

namespace {
std::uint32_t Crc(const std::string& bytes, std::size_t from) {
    static std::uint32_t table[256];
    if (!table[1]) {
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i)
        c = table[(c ^ static_cast<unsigned char>(bytes[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void PutBe(std::string& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    PutBe(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png += type;
    png += data;
    PutBe(png, Crc(png, start));
}

// A zlib stream of stored blocks.
std::string Zlib(const std::string& raw) {
    std::string z = "\x78\x01";
    std::size_t pos = 0;
    do {
        const std::size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<char>(n & 0xFF));
        z.push_back(static_cast<char>(n >> 8));
        z.push_back(static_cast<char>(~n & 0xFF));
        z.push_back(static_cast<char>((~n >> 8) & 0xFF));
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBe(z, (b << 16) | a);
    return z;
}
const std::string& StartDir() {
    static const std::string dir = WorkDir();
    return dir;
}
[[maybe_unused]] const std::string& g_startDir = StartDir(); // taken before any test runs
} // namespace

bool SaveScreenshot(HWND window, const std::string& name) {
    RECT r;
    if (!window || !GetWindowRect(window, &r))
        return false;
    return SaveScreenRect(r, name);
}

bool SaveScreenRect(const RECT& r, const std::string& name) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h; // top row first, as PNG stores it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::string raw;
    raw.reserve(static_cast<std::size_t>(h) * (1 + 3 * w));
    const unsigned char* px = static_cast<const unsigned char*>(bits);
    for (int y = 0; y < h; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = px + 4 * (static_cast<std::size_t>(y) * w + x);
            raw.push_back(static_cast<char>(p[2]));
            raw.push_back(static_cast<char>(p[1]));
            raw.push_back(static_cast<char>(p[0]));
        }
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);

    std::string header;
    PutBe(header, static_cast<std::uint32_t>(w));
    PutBe(header, static_cast<std::uint32_t>(h));
    header += "\x08\x02"; // 8-bit RGB
    header.append(3, '\0');
    std::string png = "\x89PNG\r\n\x1a\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Zlib(raw));
    Chunk(png, "IEND", std::string());
    // Beside the folder the program started in, whatever a file dialog made current since.
    const std::string dir = StartDir() + "screenshots";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::ofstream out(dir + "\\" + name + ".png", std::ios::binary | std::ios::trunc);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(out);
}
