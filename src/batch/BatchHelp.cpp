// The help of znackar-batch and of each subcommand, in Czech and in English.
#include "batch/BatchCommon.h"

#include <iostream>

namespace zn::batch {

namespace {

struct HelpText {
    std::string_view command;
    const char* cs;
    const char* en;
};

constexpr const char* kCommonCs = "  -n, --dry-run    jen vypíše, co by se změnilo; nic nezapíše\n"
                                  "  -r, --recursive  projde i podsložky zadaných složek\n"
                                  "  -h, --help       vypíše tuto nápovědu\n";
constexpr const char* kCommonEn =
    "  -n, --dry-run    only list what would change; write nothing\n"
    "  -r, --recursive  walk the sub-folders of the folders given too\n"
    "  -h, --help       print this help\n";

const HelpText kHelp[] = {
    {"",
     "Použití: znackar-batch PŘÍKAZ [VOLBY] SOUBOR|SLOŽKA…\n"
     "Nástroje editoru Značkář pro mnoho souborů najednou, bez okna.\n\n"
     "Příkazy:\n"
     "  recode      převede stránky z jednoho kódování češtiny do jiného\n"
     "  replace     zamění text ve stránkách\n"
     "  autoinsert  provede automatické vkládání podle souboru .chn\n"
     "  colour      vypíše stránku s obarvenými tagy (nebo --stats)\n"
     "  audit       porovná skutečné a deklarované kódování stránek\n"
     "  gif2bmp     převede obrázky GIF na BMP\n"
     "  imagesize   vypíše rozměry obrázků JPEG a GIF\n"
     "  gallery     vytvoří náhledy obrázků a vypíše tabulku obrázkové galerie\n\n"
     "Ze zadané složky se berou jen soubory, které příkaz zpracovává (stránky .htm, .html,\n"
     ".shtml, .xhtml, .php, .asp, .css, .js, .txt; obrázky .gif, .jpg, .jpeg, .jpe).\n"
     "Soubor se zapisuje jen tehdy, když se jeho obsah změní, a vždy celý nebo vůbec.\n"
     "Návratový kód: 0 vše v pořádku, 1 některý soubor se nepodařilo zpracovat (ostatní\n"
     "se zpracovaly), 2 chybné volby. Nápověda příkazu: znackar-batch PŘÍKAZ --help\n",
     "Usage: znackar-batch COMMAND [OPTIONS] FILE|FOLDER…\n"
     "The engines of the Značkář editor on many files at once, without a window.\n\n"
     "Commands:\n"
     "  recode      convert pages from one Czech encoding to another\n"
     "  replace     replace text in pages\n"
     "  autoinsert  run the automatic insertion of a .chn file\n"
     "  colour      list a page with its tags coloured (or --stats)\n"
     "  audit       compare the real and the declared encoding of pages\n"
     "  gif2bmp     convert GIF pictures to BMP\n"
     "  imagesize   print the size of JPEG and GIF pictures\n"
     "  gallery     make thumbnails of pictures and print the gallery table\n\n"
     "A folder gives only the files its command handles (pages .htm, .html, .shtml, .xhtml,\n"
     ".php, .asp, .css, .js, .txt; pictures .gif, .jpg, .jpeg, .jpe).\n"
     "A file is written only when its content changes, and always whole or not at all.\n"
     "Exit status: 0 all went well, 1 some file could not be done (the others were),\n"
     "2 wrong options. Help of a command: znackar-batch COMMAND --help\n"},
    {"recode",
     "Použití: znackar-batch recode --from JMÉNO --to JMÉNO [--enc-file SOUBOR]… SOUBOR…\n"
     "Převede stránky bajt po bajtu mezi kódováními podle definičních souborů: dodaných\n"
     "s programem, instalovaných v editoru a zadaných volbou --enc-file. U každého souboru\n"
     "vypíše počet změněných bajtů.\n",
     "Usage: znackar-batch recode --from NAME --to NAME [--enc-file FILE]… FILE…\n"
     "Converts pages byte by byte between encodings by their definition files: those shipped\n"
     "with the program, those installed in the editor and those given by --enc-file. Prints\n"
     "the number of bytes changed in each file.\n"},
    {"replace",
     "Použití: znackar-batch replace [--case] [--diacritics] --find TEXT --with TEXT SOUBOR…\n"
     "Zamění všechny výskyty textu jako příkaz „Zaměnit“ s volbou „Zaměnit vše“.\n"
     "  --case        rozlišovat velká a malá písmena\n"
     "  --diacritics  nerozlišovat diakritiku (Windows-1250 → ASCII)\n",
     "Usage: znackar-batch replace [--case] [--diacritics] --find TEXT --with TEXT FILE…\n"
     "Replaces every occurrence of the text, as the editor's replace command with all.\n"
     "  --case        match upper and lower case\n"
     "  --diacritics  ignore Czech diacritics (Windows-1250 → ASCII)\n"},
    {"autoinsert",
     "Použití: znackar-batch autoinsert --defs SOUBOR.chn SOUBOR…\n"
     "Nahradí ve stránkách každou zaškrtnutou značku ze souboru definic jejím textem\n"
     "s provedenými funkcemi, jako příkaz „Automaticky vkládat“.\n",
     "Usage: znackar-batch autoinsert --defs FILE.chn FILE…\n"
     "Replaces in the pages every ticked abbreviation of the definition file by its text with\n"
     "its functions expanded, as the editor's automatic insertion.\n"},
    {"colour",
     "Použití: znackar-batch colour [--stats] SOUBOR…\n"
     "Vypíše stránku s tagy, jmény atributů a hodnotami obarvenými jako v editoru\n"
     "(barvy terminálu ANSI); s --stats jen spočítá tagy, atributy a znaky každé barvy.\n",
     "Usage: znackar-batch colour [--stats] FILE…\n"
     "Lists the page with tags, attribute names and values coloured as in the editor (ANSI\n"
     "terminal colours); with --stats only counts tags, attributes and characters per colour.\n"},
    {"audit",
     "Použití: znackar-batch audit SLOŽKA|SOUBOR…\n"
     "U každé stránky vypíše zjištěné kódování, deklarovaný charset a co nesouhlasí.\n"
     "Návratový kód 3: všechny stránky se přečetly, ale některá nesouhlasí.\n",
     "Usage: znackar-batch audit FOLDER|FILE…\n"
     "Prints for each page the detected encoding, the declared charset and what does not\n"
     "match. Exit status 3: every page was read but some do not match.\n"},
    {"gif2bmp",
     "Použití: znackar-batch gif2bmp SOUBOR.gif…\n"
     "Zapíše první obrázek každého souboru GIF jako 8bitový BMP vedle něj (jméno.bmp).\n",
     "Usage: znackar-batch gif2bmp FILE.gif…\n"
     "Writes the first image of each GIF file as an 8-bit BMP beside it (name.bmp).\n"},
    {"imagesize",
     "Použití: znackar-batch imagesize SOUBOR…\n"
     "Vypíše šířku a výšku obrázků JPEG a GIF tak, jak je zjistí editor.\n",
     "Usage: znackar-batch imagesize FILE…\n"
     "Prints the width and height of JPEG and GIF pictures as the editor learns them.\n"},
    {"gallery",
     "Použití: znackar-batch gallery --schema JMÉNO|--defaults [--pattern VZOR] [--page SOUBOR]\n"
     "       [--lower-case] OBRÁZEK…  > tabulka.html\n"
     "Vytvoří vedle každého obrázku JPEG nebo GIF náhled (jméno podle vzoru, výchozí "
     "\"%sicon.%s\")\n"
     "a vypíše tabulku galerie (Windows-1250, CR LF) jako „Kouzelník pro Obrázkovou galerii“.\n"
     "  --schema JMÉNO  vzhled uložený v editoru pod tímto jménem; --defaults výchozí vzhled\n"
     "  --page SOUBOR   odkazy vedou ze složky této stránky (výchozí: aktuální složka)\n"
     "  --lower-case    tagy malými písmeny\n"
     "Náhled, který je novější než jeho obrázek a má správnou velikost, se nepřepisuje.\n",
     "Usage: znackar-batch gallery --schema NAME|--defaults [--pattern PATTERN] [--page FILE]\n"
     "       [--lower-case] PICTURE…  > table.html\n"
     "Makes a thumbnail beside each JPEG or GIF picture (named by the pattern, by default\n"
     "\"%sicon.%s\") and prints the gallery table (Windows-1250, CR LF) as the editor's gallery\n"
     "wizard writes it.\n"
     "  --schema NAME   the look stored in the editor under this name; --defaults the default\n"
     "  --page FILE     links lead from the folder of this page (default: the current folder)\n"
     "  --lower-case    tags in lower case\n"
     "A thumbnail newer than its picture and of the right size is not written again.\n"},
};

} // namespace

void PrintHelp(std::string_view command) {
    for (const HelpText& help : kHelp) {
        if (help.command == command) {
            std::cout << Tr(help.cs, help.en);
            std::cout << (command.empty() ? Tr("\nSpolečné volby:\n", "\nCommon options:\n")
                                          : Tr("\nVolby:\n", "\nOptions:\n"))
                      << Tr(kCommonCs, kCommonEn);
            return;
        }
    }
}

} // namespace zn::batch
