#pragma once

// One offscreen application per fuzzing process, with Qt's messages and the
// application log kept out of the fuzzer's output.
class FuzzEnvironment
{
public:
    static void setUp();
};
