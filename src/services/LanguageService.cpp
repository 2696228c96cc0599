#include "LanguageService.h"

LanguageService::LanguageCode LanguageService::m_code = LanguageService::English;

void LanguageService::setLanguageCode(LanguageCode code)
{
    // Codes outside the table would name no language; English is the fallback.
    m_code = (code >= English && code <= Portuguese) ? code : English;
}

LanguageService::LanguageCode LanguageService::languageCode()
{
    return m_code;
}
