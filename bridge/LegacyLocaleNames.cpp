#include "LegacyLocaleNames.h"

#include <cstddef>

namespace LegacyLocaleNames {
namespace {

// Identifiers of the locale enumerations language files are numbered by,
// language 1 and country 0 first.
const char *const kLanguages[] = {
    "C", "Abkhazian", "Afan", "Afar", "Afrikaans", "Albanian", "Amharic", "Arabic", "Armenian", "Assamese",
    "Aymara", "Azerbaijani", "Bashkir", "Basque", "Bengali", "Bhutani", "Bihari", "Bislama", "Breton",
    "Bulgarian", "Burmese", "Byelorussian", "Cambodian", "Catalan", "Chinese", "Corsican", "Croatian", "Czech",
    "Danish", "Dutch", "English", "Esperanto", "Estonian", "Faroese", "FijiLanguage", "Finnish", "French",
    "Frisian", "Gaelic", "Galician", "Georgian", "German", "Greek", "Greenlandic", "Guarani", "Gujarati",
    "Hausa", "Hebrew", "Hindi", "Hungarian", "Icelandic", "Indonesian", "Interlingua", "Interlingue",
    "Inuktitut", "Inupiak", "Irish", "Italian", "Japanese", "Javanese", "Kannada", "Kashmiri", "Kazakh",
    "Kinyarwanda", "Kirghiz", "Korean", "Kurdish", "Kurundi", "Laothian", "Latin", "Latvian", "Lingala",
    "Lithuanian", "Macedonian", "Malagasy", "Malay", "Malayalam", "Maltese", "Maori", "Marathi", "Moldavian",
    "Mongolian", "NauruLanguage", "Nepali", "Norwegian", "Occitan", "Oriya", "Pashto", "Persian", "Polish",
    "Portuguese", "Punjabi", "Quechua", "RhaetoRomance", "Romanian", "Russian", "Samoan", "Sangho", "Sanskrit",
    "Serbian", "SerboCroatian", "Sesotho", "Setswana", "Shona", "Sindhi", "Singhalese", "Siswati", "Slovak",
    "Slovenian", "Somali", "Spanish", "Sundanese", "Swahili", "Swedish", "Tagalog", "Tajik", "Tamil", "Tatar",
    "Telugu", "Thai", "Tibetan", "Tigrinya", "TongaLanguage", "Tsonga", "Turkish", "Turkmen", "Twi", "Uigur",
    "Ukrainian", "Urdu", "Uzbek", "Vietnamese", "Volapuk", "Welsh", "Wolof", "Xhosa", "Yiddish", "Yoruba",
    "Zhuang", "Zulu", "NorwegianNynorsk", "Bosnian", "Divehi", "Manx", "Cornish", "Akan", "Konkani", "Ga",
    "Igbo", "Kamba", "Syriac", "Blin", "Geez", "Koro", "Sidamo", "Atsam", "Tigre", "Jju", "Friulian", "Venda",
    "Ewe", "Walamo", "Hawaiian", "Tyap", "Chewa", "Filipino", "SwissGerman", "SichuanYi", "Kpelle",
    "LowGerman", "SouthNdebele", "NorthernSotho", "NorthernSami", "Taroko", "Gusii", "Taita", "Fulah",
    "Kikuyu", "Samburu", "Sena", "NorthNdebele", "Rombo", "Tachelhit", "Kabyle", "Nyankole", "Bena", "Vunjo",
    "Bambara", "Embu", "Cherokee", "Morisyen", "Makonde", "Langi", "Ganda", "Bemba", "Kabuverdianu", "Meru",
    "Kalenjin", "Nama", "Machame", "Colognian", "Masai", "Soga", "Luyia", "Asu", "Teso", "Saho", "KoyraChiini",
    "Rwa", "Luo", "Chiga", "CentralMoroccoTamazight", "KoyraboroSenni", "Shambala"
};

const char *const kCountries[] = {
    "AnyCountry", "Afghanistan", "Albania", "Algeria", "AmericanSamoa", "Andorra", "Angola", "Anguilla",
    "Antarctica", "AntiguaAndBarbuda", "Argentina", "Armenia", "Aruba", "Australia", "Austria", "Azerbaijan",
    "Bahamas", "Bahrain", "Bangladesh", "Barbados", "Belarus", "Belgium", "Belize", "Benin", "Bermuda",
    "Bhutan", "Bolivia", "BosniaAndHerzegowina", "Botswana", "BouvetIsland", "Brazil",
    "BritishIndianOceanTerritory", "BruneiDarussalam", "Bulgaria", "BurkinaFaso", "Burundi", "Cambodia",
    "Cameroon", "Canada", "CapeVerde", "CaymanIslands", "CentralAfricanRepublic", "Chad", "Chile", "China",
    "ChristmasIsland", "CocosIslands", "Colombia", "Comoros", "DemocraticRepublicOfCongo",
    "PeoplesRepublicOfCongo", "CookIslands", "CostaRica", "IvoryCoast", "Croatia", "Cuba", "Cyprus",
    "CzechRepublic", "Denmark", "Djibouti", "Dominica", "DominicanRepublic", "EastTimor", "Ecuador", "Egypt",
    "ElSalvador", "EquatorialGuinea", "Eritrea", "Estonia", "Ethiopia", "FalklandIslands", "FaroeIslands",
    "FijiCountry", "Finland", "France", "MetropolitanFrance", "FrenchGuiana", "FrenchPolynesia",
    "FrenchSouthernTerritories", "Gabon", "Gambia", "Georgia", "Germany", "Ghana", "Gibraltar", "Greece",
    "Greenland", "Grenada", "Guadeloupe", "Guam", "Guatemala", "Guinea", "GuineaBissau", "Guyana", "Haiti",
    "HeardAndMcDonaldIslands", "Honduras", "HongKong", "Hungary", "Iceland", "India", "Indonesia", "Iran",
    "Iraq", "Ireland", "Israel", "Italy", "Jamaica", "Japan", "Jordan", "Kazakhstan", "Kenya", "Kiribati",
    "DemocraticRepublicOfKorea", "RepublicOfKorea", "Kuwait", "Kyrgyzstan", "Lao", "Latvia", "Lebanon",
    "Lesotho", "Liberia", "LibyanArabJamahiriya", "Liechtenstein", "Lithuania", "Luxembourg", "Macau",
    "Macedonia", "Madagascar", "Malawi", "Malaysia", "Maldives", "Mali", "Malta", "MarshallIslands",
    "Martinique", "Mauritania", "Mauritius", "Mayotte", "Mexico", "Micronesia", "Moldova", "Monaco",
    "Mongolia", "Montserrat", "Morocco", "Mozambique", "Myanmar", "Namibia", "NauruCountry", "Nepal",
    "Netherlands", "NetherlandsAntilles", "NewCaledonia", "NewZealand", "Nicaragua", "Niger", "Nigeria",
    "Niue", "NorfolkIsland", "NorthernMarianaIslands", "Norway", "Oman", "Pakistan", "Palau",
    "PalestinianTerritory", "Panama", "PapuaNewGuinea", "Paraguay", "Peru", "Philippines", "Pitcairn",
    "Poland", "Portugal", "PuertoRico", "Qatar", "Reunion", "Romania", "RussianFederation", "Rwanda",
    "SaintKittsAndNevis", "StLucia", "StVincentAndTheGrenadines", "Samoa", "SanMarino", "SaoTomeAndPrincipe",
    "SaudiArabia", "Senegal", "Seychelles", "SierraLeone", "Singapore", "Slovakia", "Slovenia",
    "SolomonIslands", "Somalia", "SouthAfrica", "SouthGeorgiaAndTheSouthSandwichIslands", "Spain", "SriLanka",
    "StHelena", "StPierreAndMiquelon", "Sudan", "Suriname", "SvalbardAndJanMayenIslands", "Swaziland",
    "Sweden", "Switzerland", "SyrianArabRepublic", "Taiwan", "Tajikistan", "Tanzania", "Thailand", "Togo",
    "Tokelau", "TongaCountry", "TrinidadAndTobago", "Tunisia", "Turkey", "Turkmenistan",
    "TurksAndCaicosIslands", "Tuvalu", "Uganda", "Ukraine", "UnitedArabEmirates", "UnitedKingdom",
    "UnitedStates", "UnitedStatesMinorOutlyingIslands", "Uruguay", "Uzbekistan", "Vanuatu", "VaticanCityState",
    "Venezuela", "VietNam", "BritishVirginIslands", "USVirginIslands", "WallisAndFutunaIslands",
    "WesternSahara", "Yemen", "Yugoslavia", "Zambia", "Zimbabwe", "SerbiaAndMontenegro", "Montenegro",
    "Serbia", "SaintBarthelemy", "SaintMartin", "LatinAmericaAndTheCaribbean"
};

// "UnitedStates" -> "United States", "USVirginIslands" -> "US Virgin Islands".
QString spaced(const char *identifier)
{
    const QString id = QString::fromLatin1(identifier);
    QString out;
    for (qsizetype i = 0; i < id.size(); ++i) {
        const QChar c = id.at(i);
        const bool startsWord = c.isUpper() && i > 0
            && (id.at(i - 1).isLower() || (i + 1 < id.size() && id.at(i + 1).isLower() && id.at(i - 1).isUpper()));
        if (startsWord)
            out += u' ';
        out += c;
    }
    return out;
}

template <std::size_t N> QString lookup(const char *const (&table)[N], int first, int number)
{
    if (number < first || number - first >= int(N))
        return QStringLiteral("Unknown");
    return spaced(table[number - first]);
}

}

QString language(int number)
{
    if (number == 0)
        return QStringLiteral("Default");
    return lookup(kLanguages, 1, number);
}

QString country(int number)
{
    return lookup(kCountries, 0, number);
}

}
