// The one way koyomi's text leaves the program, on standard output and standard error alike.
// Text is handed over as UTF-8 and written as the reader at the other end expects it:
// natively UTF-8; on Windows a console gets characters (UTF-16), a file or a pipe the ANSI code
// page with CR LF (what type, more and Notepad read), or UTF-8 with CR LF when --utf8 asks.
#pragma once

#include <cstdio>
#include <string>

class CTextOut {
public:
    explicit CTextOut(std::FILE* stream) : stream(stream) {}
    // UTF-8 rather than the ANSI code page to a Windows file or pipe; nothing changes natively.
    void SetUtf8(bool on) { utf8 = on; }
    // UTF-8 text with LF line ends. False when the stream failed.
    bool Text(const std::string& utf8Text);
    // Bytes as they are: --raw, and formats whose encoding is fixed.
    bool Bytes(const std::string& bytes);

private:
    std::FILE* stream;
    bool utf8 = false;
};

CTextOut& StdOut();
CTextOut& StdErr();

// Takes --utf8 out of the arguments before a "--" (it applies to every command) and sets both
// writers up; returns the new argc.
int TakeOutputOptions(int argc, char** argv);

// Code page 932 text (the chip's, with CR LF or LF line ends) as UTF-8 text for Text(): one
// newline for each line end, and one at the end.
std::string Cp932Lines(const std::string& cp932);

// One line on standard error: the UTF-8 text and a newline.
void Tell(const std::string& utf8Text);
