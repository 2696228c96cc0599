#pragma once

// Starts the process-wide services (folders, log, product metadata, update
// check, crash reporting) and shuts them down again.
class AppInitialization
{
public:
    static AppInitialization *instance();
    static void release();

private:
    AppInitialization();
    void mkdirConfigDir();
    void initTlBaseService();
    void initSentryService();

    static AppInitialization *m_instance;
};
