#include "bench/wortschatz.h"

#include <array>

namespace wortschatz {

namespace {

constexpr auto kleinwoerterListe = std::to_array<std::u16string_view>({
    u"ich",        u"du",      u"er",       u"sie",       u"es",          u"wir",
    u"ihr",        u"mich",    u"dich",     u"mir",       u"dir",         u"uns",
    u"euch",       u"und",     u"oder",     u"aber",      u"doch",        u"denn",
    u"weil",       u"dass",    u"wenn",     u"ob",        u"nicht",       u"kein",
    u"keine",      u"nur",     u"noch",     u"schon",     u"auch",        u"immer",
    u"nie",        u"oft",     u"heute",    u"morgen",    u"gestern",     u"jetzt",
    u"gleich",     u"bald",    u"später",   u"hier",      u"dort",        u"da",
    u"so",         u"sehr",    u"ganz",     u"mal",       u"ja",          u"nein",
    u"vielleicht", u"wieder",  u"zusammen", u"allein",    u"mit",         u"ohne",
    u"für",        u"über",    u"unter",    u"vor",       u"nach",        u"bei",
    u"zu",         u"von",     u"aus",      u"in",        u"im",          u"am",
    u"an",         u"auf",     u"um",       u"der",       u"die",         u"das",
    u"den",        u"dem",     u"des",      u"ein",       u"eine",        u"einen",
    u"einem",      u"mein",    u"dein",     u"meine",     u"deine",       u"unser",
    u"was",        u"wer",     u"wie",      u"wo",        u"warum",       u"wann",
    u"viel",       u"mehr",    u"alles",    u"nichts",    u"etwas",       u"jeder",
    u"gerne",      u"endlich", u"übrigens", u"natürlich", u"hoffentlich", u"eigentlich",
    u"wirklich",   u"bloß",    u"grüß",     u"süßer",     u"draußen",     u"außerdem",
    u"fast",       u"echt",    u"total",    u"genau",     u"sofort",      u"trotzdem",
    u"danach",     u"vorher",  u"überall",  u"irgendwo",  u"weißt",       u"dafür",
    u"damit",      u"darüber", u"wegen",    u"während",
});

constexpr auto nomenListe = std::to_array<std::u16string_view>({
    u"Schatz",       u"Herz",     u"Sonne",        u"Mond",         u"Nacht",      u"Tag",
    u"Morgen",       u"Abend",    u"Woche",        u"Wochenende",   u"Handy",      u"Nachricht",
    u"Kuss",         u"Küsschen", u"Umarmung",     u"Freude",       u"Glück",      u"Lächeln",
    u"Traum",        u"Träume",   u"Blume",        u"Rose",         u"Regen",      u"Schnee",
    u"Straße",       u"Stadt",    u"Dorf",         u"Haus",         u"Küche",      u"Kaffee",
    u"Tee",          u"Kuchen",   u"Brötchen",     u"Frühstück",    u"Pizza",      u"Schokolade",
    u"Geburtstag",   u"Party",    u"Urlaub",       u"Strand",       u"Meer",       u"See",
    u"Berg",         u"Wald",     u"Katze",        u"Hund",         u"Maus",       u"Igel",
    u"Fußball",      u"Spiel",    u"Schule",       u"Arbeit",       u"Chef",       u"Kollege",
    u"Nachbar",      u"Oma",      u"Opa",          u"Bruder",       u"Schwester",  u"Onkel",
    u"Tante",        u"Auto",     u"Fahrrad",      u"Zug",          u"Bus",        u"Bahnhof",
    u"Uhr",          u"Minute",   u"Stunde",       u"Geld",         u"Euro",       u"Rechnung",
    u"Problem",      u"Frage",    u"Antwort",      u"Witz",         u"Spaß",       u"Ärger",
    u"Sorgen",       u"Gedanken", u"Gefühl",       u"Augen",        u"Hände",      u"Füße",
    u"Bauch",        u"Kopf",     u"Glas",         u"Flasche",      u"Wein",       u"Musik",
    u"Lied",         u"Film",     u"Buch",         u"Brief",        u"Post",       u"Geschenk",
    u"Überraschung", u"Zeit",     u"Leben",        u"Welt",         u"Himmel",     u"Sterne",
    u"Engel",        u"Teufel",   u"Frosch",       u"Prinz",        u"Prinzessin", u"Schneemann",
    u"Grüße",        u"Tschüss",  u"Hausaufgaben", u"Führerschein", u"Bäcker",     u"Müll",
    u"Gärtner",      u"Löwe",     u"Bär",          u"Vogel",        u"Fisch",      u"Sofa",
});

constexpr auto verbenListe = std::to_array<std::u16string_view>({
    u"bin",      u"bist",    u"ist",      u"sind",    u"hab",     u"habe",     u"hast",
    u"hat",      u"haben",   u"komme",    u"kommst",  u"kommt",   u"gehe",     u"gehst",
    u"geht",     u"mache",   u"machst",   u"macht",   u"denke",   u"denkst",   u"vermisse",
    u"vermisst", u"freue",   u"freust",   u"schlafe", u"träume",  u"lache",    u"esse",
    u"trinke",   u"fahre",   u"fährst",   u"warte",   u"wartest", u"schreibe", u"schreibst",
    u"rufe",     u"sehe",    u"siehst",   u"weiß",    u"glaube",  u"brauche",  u"kann",
    u"kannst",   u"muss",    u"musst",    u"will",    u"willst",  u"darf",     u"soll",
    u"möchte",   u"würde",   u"wäre",     u"hätte",   u"mag",     u"küsse",    u"umarme",
    u"grüße",    u"vergiss", u"lass",     u"melde",   u"erzähle", u"höre",     u"hörst",
    u"spiele",   u"kaufe",   u"koche",    u"backe",   u"tanze",   u"singe",    u"läuft",
    u"fällt",    u"trägt",   u"schläfst", u"fühle",   u"lächle",  u"küsst",    u"stört",
    u"gefällt",  u"anrufen", u"abholen",
});

constexpr auto adjektiveListe = std::to_array<std::u16string_view>({
    u"schön",     u"süß",       u"lieb",      u"toll",     u"super",   u"klasse",   u"müde",
    u"wach",      u"glücklich", u"traurig",   u"fröhlich", u"böse",    u"groß",     u"klein",
    u"heiß",      u"kalt",      u"warm",      u"nass",     u"spät",    u"früh",     u"lang",
    u"kurz",      u"dumm",      u"schlau",    u"verrückt", u"blöd",    u"genial",   u"herrlich",
    u"gemütlich", u"ruhig",     u"laut",      u"leise",    u"schnell", u"langsam",  u"hübsch",
    u"schlimm",   u"fertig",    u"krank",     u"gesund",   u"satt",    u"hungrig",  u"durstig",
    u"nächste",   u"letzte",    u"ganze",     u"neue",     u"alte",    u"bisschen", u"zärtlich",
    u"fleißig",   u"faul",      u"stürmisch", u"grün",     u"rot",     u"weiß",     u"schwarz",
    u"blau",      u"gelb",      u"dunkel",    u"hell",
});

constexpr auto einwuerfeListe = std::to_array<std::u16string_view>({
    u"Hallo", u"Hi",     u"Hey",   u"Huhu",  u"Moin", u"Servus", u"Na",     u"Ach",   u"Oh",
    u"Juhu",  u"Mensch", u"Hach",  u":-)",   u";-)",  u":-(",    u":-*",    u"<3",    u"*g*",
    u"xD",    u"lol",    u"8 Uhr", u"100 %", u"5 €",  u"2x",     u"– echt", u"„tja“",
});

constexpr auto satzendenListe = std::to_array<std::u16string_view>({
    u".",
    u"!",
    u"?",
    u"!!",
    u"...",
    u"!!!",
    u"?!",
    u" :-)",
    u" ;-)",
    u".",
});

} // namespace

const std::span<const std::u16string_view> kleinwoerter{kleinwoerterListe};
const std::span<const std::u16string_view> nomen{nomenListe};
const std::span<const std::u16string_view> verben{verbenListe};
const std::span<const std::u16string_view> adjektive{adjektiveListe};
const std::span<const std::u16string_view> einwuerfe{einwuerfeListe};
const std::span<const std::u16string_view> satzenden{satzendenListe};

} // namespace wortschatz
