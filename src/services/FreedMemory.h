#pragma once

// Gives memory that the allocator holds after large frees back to the system.
//
// glibc keeps what a thread frees in that thread's own arena, for that
// thread's later use. A drawing parsed on a pool thread would leave its
// whole peak behind there while the GUI thread builds the scene in another
// arena, so the process would hold both for as long as it runs.
class FreedMemory
{
public:
    // Cheap next to a parse (milliseconds); call it on a worker thread after
    // a large model or parse has been freed.
    static void returnToSystem();
};
