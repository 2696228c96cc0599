#include "OffscreenArguments.h"

#include <cstring>

namespace {
char g_platformFlag[] = "-platform";
char g_platformName[] = "offscreen";
} // namespace

OffscreenArguments::OffscreenArguments(int argc, char **argv)
    : m_args(argv, argv + argc)
{
    bool platformGiven = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            platformGiven = true;
    }
    if (!platformGiven && !m_args.empty()) {
        m_args.insert(m_args.begin() + 1, g_platformName);
        m_args.insert(m_args.begin() + 1, g_platformFlag);
    }
    m_argc = int(m_args.size());
    m_args.push_back(nullptr); // argv[argc] is null by convention
}
