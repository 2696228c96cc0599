#pragma once

// Start and end of the service layer as a whole: the last call of start-up
// and the closing call of shutdown, which flushes and closes the log.
class ServiceFoundation
{
public:
    static void startUp(bool enabled);
    static void close();
    static bool isStarted() { return m_started; }

private:
    static bool m_started;
};
