#pragma once

// Starts the process-wide services (folders, log, product metadata, update
// check, crash reporting) and shuts them down again. One instance at a time,
// made on first use by instance(); release() ends the services and deletes it.
class AppInitialization
{
public:
    static AppInitialization *instance();
    static bool exists() { return m_instance != nullptr; }
    static void release();

    AppInitialization(const AppInitialization &) = delete;
    AppInitialization &operator=(const AppInitialization &) = delete;

private:
    AppInitialization();
    ~AppInitialization() = default;

    void mkdirConfigDir();
    void initTlBaseService();
    void initSentryService();

    static AppInitialization *m_instance;
};
