#pragma once

// One offscreen application per fuzzing process, with Qt's messages and the
// application log kept out of the fuzzer's output. FuzzEnvironment.cpp also
// defines libFuzzer's LLVMFuzzerInitialize, which sets it up.
class FuzzEnvironment
{
public:
    static void setUp();
};
