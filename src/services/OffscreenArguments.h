#pragma once

#include <vector>

// Command-line arguments for a tool that never shows a window: they name the
// offscreen platform unless the user chose one with -platform, so the tool
// runs the same with or without a display. Keep the object alive as long as
// the QApplication built from it.
class OffscreenArguments
{
public:
    OffscreenArguments(int argc, char **argv);
    OffscreenArguments(const OffscreenArguments &) = delete;
    OffscreenArguments &operator=(const OffscreenArguments &) = delete;

    int &argc() { return m_argc; }
    char **argv() { return m_args.data(); }

private:
    std::vector<char *> m_args;
    int m_argc = 0;
};
