#pragma once

// Keeps the interface-language code for the services that want to know it.
class LanguageService
{
public:
    enum LanguageCode {
        English = 0,
        Japanese = 1,
        French = 2,
        German = 3,
        Italian = 4,
        Spanish = 5,
        Portuguese = 6
    };

    static void setLanguageCode(LanguageCode code);
    static LanguageCode languageCode();

private:
    static LanguageCode m_code;
};
