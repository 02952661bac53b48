// SPDX-License-Identifier: MIT
#include "i18n/translations.h"

#include <atomic>
#include <iterator>
#include <mutex>
#include <string_view>
#include <utility>

namespace {

struct Pair {
    const char16_t *czech;
    const char16_t *english;
    // Qt's disambiguation: set on each twin of a Czech text that has two meanings.
    const char *context = nullptr;
};

// Every Czech interface text that has an English twin. Keys are exact strings, punctuation,
// ellipses and line breaks included; a key must not repeat within its context. Fragments that
// callers join with numbers ("Po" … "dnech") are entries of their own.
// clang-format off
constexpr Pair pairs[] = {
    // Project status, board columns, priorities and the default labels
    {u"Ve vývoji", u"In development"},
    {u"Hotové", u"Done"},
    {u"Uloženo", u"Parked"},
    {u"Nápady", u"Ideas"},
    {u"Dělám", u"Doing"},
    {u"Hotovo", u"Done"},
    {u"Nízká", u"Low"},
    {u"Střední", u"Medium"},
    {u"Vysoká", u"High"},
    {u"Bug", u"Bug"},
    {u"Vylepšení", u"Improvement"},
    {u"Nápad", u"Idea"},
    {u"Hotovo brzy", u"Almost done"},
    {u"Design", u"Design"},
    {u"Důležité", u"Important"},
    // Git status
    {u"Načítám…", u"Loading…"},
    {u"Git nedostupný", u"Git unavailable"},
    {u"čisto", u"clean"},
    // Deployment status
    {u"Nasazeno", u"Deployed"},
    {u"Chyba", u"Error"},
    {u"Čeká na token", u"Waiting for token"},
    {u"Bez nasazení", u"No deployment"},
    {u"Nasazuje se…", u"Deploying…"},
    {u"žádný deploy", u"no deploy"},
    {u"build selhal", u"build failed"},
    // Why a request to a service failed
    {u"bez odpovědi", u"no answer"},
    {u"chyba přenosu", u"transfer error"},
    {u"neplatná hlavička požadavku", u"invalid request header"},
    {u"nepodporovaná adresa", u"unsupported address"},
    {u"šifrované spojení není k dispozici", u"encrypted connections are not available"},
    {u"server neodpověděl včas", u"the server did not answer in time"},
    {u"neplatná odpověď serveru", u"invalid answer from the server"},
    {u"hlavičky odpovědi jsou příliš velké", u"the answer's headers are too large"},
    {u"odpověď je příliš velká", u"the answer is too large"},
    {u"spojení skončilo před koncem odpovědi", u"the connection ended before the answer did"},
    {u"nepodporované kódování obsahu", u"unsupported content encoding"},
    {u"obsah odpovědi nejde rozbalit", u"the answer's content cannot be unpacked"},
    {u"příliš mnoho přesměrování", u"too many redirects"},
    // GitHub checks
    {u"CI běží", u"CI running"},
    {u"CI OK", u"CI OK"},
    {u"CI selhalo", u"CI failed"},
    // Attention reasons and deploy-fix cards
    {u"Deploy selhal", u"Deploy failed"},
    {u"změn", u"changes"},
    {u"Oprav build", u"Fix build"},
    // Update banner
    {u"Zkontrolovat aktualizace", u"Check for updates"},
    {u"Dostupná verze", u"Available version"},
    {u"Verze", u"Version"},
    {u"Dostupná nová verze", u"New version available"},
    {u"Přeskočit", u"Skip"},
    {u"Stáhnout", u"Download"},
    // Main window: sidebar, overview grid, welcome screen and dialogs
    {u"Přesunout do složky", u"Move to folder"},
    {u"otevřených úkolů", u"open tasks"},
    {u"projektů", u"projects"},
    {u"Přehled", u"Overview"},
    {u"Projekty", u"Projects"},
    {u"Stav", u"Status"},
    {u"Vše", u"All"},
    {u"Přejmenovat…", u"Rename…"},
    {u"Smazat složku", u"Delete folder"},
    {u"Bez složky", u"No folder"},
    {u"Nová složka", u"New folder"},
    {u"Název složky…", u"Folder name…"},
    {u"Upravit…", u"Edit…"},
    {u"Odstranit", u"Remove"},
    {u"Přidat projekt", u"Add project"},
    {u"Nastavení", u"Settings"},
    {u"Aktualizováno", u"Updated"},
    {u"Obnovit", u"Refresh", "refresh"},
    {u"Obnovit", u"Restore", "archive"},
    {u"po termínu", u"overdue"},
    {u"Připoj Netlify", u"Connect Netlify"},
    {u"Uložit", u"Save"},
    {u"Vyžaduje pozornost", u"Needs attention"},
    {u"Žádný projekt v tomhle stavu", u"No projects in this status"},
    {u"Otevřít web", u"Open website"},
    {u"Otevřít GitHub", u"Open GitHub"},
    {u"Otevřít v", u"Open in"},
    {u"Vítej ve Quaylin", u"Welcome to Quaylin"},
    {u"Git stav, nasazení a kanban všech tvých projektů na jednom místě.", u"Git status, deployments and a kanban board for all your projects in one place."},
    {u"Živý git stav", u"Live git status"},
    {u"Rozpracované změny a nepushnuté commity na první pohled", u"Uncommitted changes and unpushed commits at a glance"},
    {u"Stav nasazení", u"Deployment status"},
    {u"Netlify i Vercel, bez otevírání prohlížeče", u"Netlify and Vercel, without opening a browser"},
    {u"Kanban na projekt", u"Kanban per project"},
    {u"Nápady, rozdělaná práce, hotovo", u"Ideas, in progress, done"},
    {u"Přidat první projekt", u"Add your first project"},
    {u"Stačí složka na disku — Netlify a GitHub jsou volitelné.", u"Just a folder on disk — Netlify and GitHub are optional."},
    {u"Odstranit projekt ze Quaylin?", u"Remove project from Quaylin?"},
    {u"Smažou se i všechny jeho úkoly v kanbanu. Soubory na disku ani git historie se nedotknou — jen appka o projektu přestane vědět.", u"Its kanban tasks will be deleted too. Files on disk and git history are untouched — Quaylin just stops tracking it."},
    {u"Přejmenovat složku", u"Rename folder"},
    {u"Název složky", u"Folder name"},
    {u"Zrušit", u"Cancel"},
    {u"Změny se nepodařilo uložit", u"Your changes couldn't be saved"},
    {u"Zkontroluj volné místo na disku a oprávnění ke složce.", u"Check the free disk space and the folder's permissions."},
    {u"Datový soubor se nepodařilo přečíst", u"The data file couldn't be read"},
    {u"Quaylin začal s prázdnými daty. Původní soubor je uschovaný v:", u"Quaylin started with empty data. The original file was kept at:"},
    // The data file changed by another program, quitting with unsaved changes
    {u"Datový soubor změnil jiný program", u"Another program changed the data file"},
    {u"Tvoje změny jsou uložené. Verze jiného programu je uschovaná v:", u"Your changes were saved. The other program's version was kept at:"},
    {u"Ulož kopii jinam, nebo ukonči Quaylin bez uložení změn.", u"Save a copy elsewhere, or quit Quaylin without saving the changes."},
    {u"Uložit kopii…", u"Save a Copy…"},
    {u"Ukončit bez uložení", u"Quit Without Saving"},
    {u"Kopii se nepodařilo uložit", u"The copy couldn't be saved"},
    {u"Neuložené změny z minulého běhu", u"Unsaved changes from the last run"},
    {u"Quaylin je nemohl uložit, když končil. Kopie je v:", u"Quaylin couldn't save them when it ended. A copy is at:"},
    {u"Obnovit změny", u"Restore Changes"},
    // Project detail: header, deploy history, commits and commit suggestion
    {u"Web", u"Website"},
    {u"Terminál", u"Terminal"},
    {u"Upravit projekt", u"Edit project"},
    {u"Historie deployů", u"Deploy history"},
    {u"Poslední commity", u"Recent commits"},
    {u"Žádná data — zkontroluj token.", u"No data — check your token."},
    {u"Projekt nemá napojené Netlify.", u"This project isn't connected to Netlify."},
    {u"Úspěch", u"Success"},
    {u"Běží", u"Running"},
    {u"Selhal", u"Failed"},
    {u"Žádné commity — repo je prázdné nebo bez gitu.", u"No commits — repo is empty or has no git."},
    {u"Úkol hotový — commitneme?", u"Task done — let's commit?"},
    {u"Návrh commit message podle dokončeného úkolu. Uprav a zkopíruj.", u"Suggested commit message based on the completed task. Edit and copy."},
    {u"Zavřít", u"Close"},
    {u"Zkopírovat", u"Copy"},
    {u"Zkopírováno", u"Copied"},
    {u"Commit message", u"Commit message"},
    // Kanban board, archive and label manager
    {u"Přesunout", u"Move to"},
    {u"Ručně", u"Manual"},
    {u"Podle priority", u"By priority"},
    {u"Podle termínu", u"By due date"},
    {u"Přidej úkol tlačítkem +", u"Add a task with the + button"},
    {u"Přetáhni sem kartu", u"Drag a card here"},
    {u"Úkoly", u"Tasks"},
    {u"Zobrazit celé karty", u"Show full cards"},
    {u"Kompaktní zobrazení", u"Compact view"},
    {u"Štítky", u"Labels"},
    {u"Archiv", u"Archive"},
    {u"Hledat v úkolech…", u"Search tasks…"},
    {u"Přidat úkol", u"Add task"},
    {u"Název úkolu…", u"Task name…"},
    {u"Časomíra běží", u"Timer running"},
    {u"Archivovat", u"Archive"},
    {u"Smazat natrvalo", u"Delete permanently"},
    {u"Smazat kartu natrvalo?", u"Delete card permanently?"},
    {u"Tuhle akci nejde vzít zpět. Zvaž Archivovat, pokud si nejsi jistý.", u"This can't be undone. Consider Archive if you're not sure."},
    {u"Archiv je prázdný.", u"Archive is empty."},
    {u"Tuhle akci nejde vzít zpět.", u"This can't be undone."},
    {u"Nový štítek…", u"New label…"},
    {u"Přidat", u"Add"},
    {u"Název", u"Name"},
    {u"Smazat štítek", u"Delete label"},
    {u"Vymazat hledání", u"Clear search"},
    // Colour swatches of labels and card covers
    {u"Bez barvy", u"No color"},
    {u"Červená", u"Red"},
    {u"Oranžová", u"Orange"},
    {u"Žlutá", u"Yellow"},
    {u"Zelená", u"Green"},
    {u"Modrá", u"Blue"},
    {u"Fialová", u"Purple"},
    {u"Šedá", u"Gray"},
    // Card detail sheet
    {u"Karta byla smazána", u"Card was deleted"},
    {u"Název úkolu", u"Task name"},
    {u"Barva karty", u"Card color"},
    {u"Priorita", u"Priority"},
    {u"Termín", u"Due date"},
    {u"Časomíra", u"Timer"},
    {u"Zastavit", u"Stop"},
    {u"Spustit", u"Start"},
    {u"Popis", u"Description"},
    {u"Odebrat", u"Remove"},
    {u"Přidat položku…", u"Add item…"},
    {u"Checklist", u"Checklist"},
    // Project editor
    {u"Vybrat složku", u"Choose folder"},
    {u"Nový projekt", u"New project"},
    {u"Můj projekt", u"My project"},
    {u"Emoji ikona projektu", u"Project emoji icon"},
    {u"Složka", u"Folder"},
    {u"/cesta/k/projektu", u"/path/to/project"},
    {u"Vybrat…", u"Choose…"},
    {u"Složka neexistuje", u"Folder doesn't exist"},
    {u"https://… (volitelné)", u"https://… (optional)"},
    {u" (volitelné)", u" (optional)"},
    {u"UUID webu z Netlify (volitelné)", u"Netlify site UUID (optional)"},
    {u"ID projektu z Vercelu (volitelné)", u"Project ID from Vercel (optional)"},
    {u"Odstranit projekt", u"Delete project"},
    // Settings sheet
    {u"Exportovat zálohu", u"Export backup"},
    {u"Záloha uložena.", u"Backup saved."},
    {u"Zálohu se nepodařilo uložit.", u"Couldn't save the backup."},
    {u"Vybrat soubor zálohy", u"Choose backup file"},
    {u"Záloha obnovena.", u"Backup restored."},
    {u"Soubor se nepodařilo načíst.", u"Couldn't read the file."},
    {u"Po", u"After"},
    {u"dnech", u"days"},
    {u"Jazyk", u"Language"},
    {u"Aktualizace", u"Updates"},
    {u"Máš nejnovější verzi", u"You're on the latest version"},
    {u"Kontroluji…", u"Checking…"},
    {u"Otevřené PR a CI stav aktuální větve. Bez tokenu funguje jen u veřejných repozitářů a s nižším limitem dotazů.", u"Open PRs and CI status for the current branch. Without a token this only works for public repos and with a lower rate limit."},
    {u"Klávesová zkratka", u"Keyboard shortcut"},
    {u"Vyvolat hlavní okno odkudkoliv", u"Summon main window from anywhere"},
    {u"Úklid kanbanu", u"Kanban cleanup"},
    {u"Automaticky archivovat dokončené karty", u"Auto-archive completed cards"},
    {u"Sloupec Hotovo jinak roste do nekonečna. Archivované karty nezmizí, jen se schovají z aktivního kanbanu.", u"Otherwise the Done column grows forever. Archived cards aren't lost — they just leave the active board."},
    {u"Záloha dat", u"Data backup"},
    {u"Exportovat zálohu…", u"Export backup…"},
    {u"Obnovit ze zálohy…", u"Restore from backup…"},
    {u"Data v", u"Data stored in"},
    {u"Projekty, karty, štítky a složky se uloží do jednoho souboru. Tokeny se neexportují a zůstávají jen v tomto počítači.", u"Projects, cards, labels and folders go into one file. Tokens aren't exported and stay on this computer only."},
    {u"Token se nepodařilo uložit do klíčenky systému.", u"Couldn't save the token to the system keyring."},
    {u"Klávesová zkratka není v tomto prostředí dostupná.", u"The keyboard shortcut isn't available in this environment."},
    {u"Zkratku teď používá jiná aplikace.", u"Another application is using this shortcut."},
    {u"Spuštění", u"Startup"},
    {u"Spouštět po přihlášení", u"Start at login"},
    {u"Quaylin se spustí v systémové liště, bez okna.", u"Quaylin starts in the system tray, without a window."},
    {u"Spouštění po přihlášení se nepodařilo změnit.", u"Couldn't change starting at login."},
    {u"Změnit…", u"Change…"},
    {u"Změnit zkratku", u"Change shortcut"},
    {u"Stiskni novou zkratku s Ctrl, Alt nebo Super. Esc zruší.", u"Press the new shortcut with Ctrl, Alt or Super. Esc cancels."},
    {u"Zkratka potřebuje Ctrl, Alt nebo Super.", u"The shortcut needs Ctrl, Alt or Super."},
    {u"Tuhle klávesu nejde použít. Zkus písmeno, číslici nebo F1–F24.", u"That key can't be used. Try a letter, a digit or F1–F24."},
    {u"Zobrazit nebo skrýt hlavní okno", u"Show or hide the main window"},
    {u"Token není nastaven", u"No token set"},
    {u"Token není nastaven (nepovinné)", u"No token set (optional)"},
    {u"Nový Personal Access Token", u"New Personal Access Token"},
    {u"Personal Access Token (volitelné)", u"Personal Access Token (optional)"},
    {u"Odebrat token", u"Remove token"},
    {u"Obnovit ze zálohy?", u"Restore from backup?"},
    {u"Tímhle se přepíšou všechny aktuální projekty a karty obsahem vybraného souboru. Tuhle akci nejde vzít zpět.", u"This will overwrite all current projects and cards with the contents of the selected file. This can't be undone."},
    {u"Obnovit a přepsat aktuální data", u"Restore and overwrite current data"},
    {u"Netlify", u"Netlify"},
    // Undo and redo, the names of the steps they take, keyboard moves on the board
    {u"Zpět", u"Undo"},
    {u"Zpět: %1", u"Undo %1"},
    {u"Znovu", u"Redo"},
    {u"Znovu: %1", u"Redo %1"},
    {u"Přidat kartu", u"Add Card", "edit action"},
    {u"Přesunout kartu", u"Move Card", "edit action"},
    {u"Archivovat kartu", u"Archive Card", "edit action"},
    {u"Obnovit kartu", u"Restore Card", "edit action"},
    {u"Smazat kartu", u"Delete Card", "edit action"},
    {u"Upravit název karty", u"Edit Card Title", "edit action"},
    {u"Upravit popis karty", u"Edit Card Description", "edit action"},
    {u"Upravit kartu", u"Edit Card", "edit action"},
    {u"Změnit barvu karty", u"Change Card Color", "edit action"},
    {u"Změnit prioritu", u"Change Priority", "edit action"},
    {u"Změnit štítky karty", u"Change Card Labels", "edit action"},
    {u"Změnit termín", u"Change Due Date", "edit action"},
    {u"Přidat položku checklistu", u"Add Checklist Item", "edit action"},
    {u"Přepnout položku checklistu", u"Toggle Checklist Item", "edit action"},
    {u"Odebrat položku checklistu", u"Remove Checklist Item", "edit action"},
    {u"Přidat štítek", u"Add Label", "edit action"},
    {u"Přejmenovat štítek", u"Rename Label", "edit action"},
    {u"Změnit barvu štítku", u"Change Label Color", "edit action"},
    {u"Smazat štítek", u"Delete Label", "edit action"},
    {u"Přesunout projekt", u"Move Project", "edit action"},
    {u"Přidat složku", u"Add Folder", "edit action"},
    {u"Přejmenovat složku", u"Rename Folder", "edit action"},
    {u"Smazat složku", u"Delete Folder", "edit action"},
    {u"Přesunuto do sloupce %1, na místo %2 z %3", u"Moved to %1, position %2 of %3"},
    // Counted nouns: each Czech form agrees with its number (1, 2–4, 0 and 5+); English has
    // the singular for one and the plural for the rest
    {u"změna", u"change"},
    {u"změny", u"changes"},
    {u"nezacommitovaná změna", u"uncommitted change"},
    {u"nezacommitované změny", u"uncommitted changes"},
    {u"nezacommitovaných změn", u"uncommitted changes"},
    {u"commit nepushnut", u"commit not pushed"},
    {u"commity nepushnuty", u"commits not pushed"},
    {u"commitů nepushnuto", u"commits not pushed"},
    {u"nepushnuto", u"not pushed"},
    {u"otevřený úkol", u"open task"},
    {u"otevřené úkoly", u"open tasks"},
    {u"projekt", u"project"},
    {u"projekty", u"projects"},
    {u"dni", u"day"},
    // Linux words: the package or release page, the keyring, the file manager
    {u"Stáhni novou verzi a nainstaluj balíček, nebo ji najdi na stránce vydání.", u"Download the new version and install the package, or find it on the release page."},
    {u"Zadej Personal Access Token pro sledování deployů. Uloží se do klíčenky.", u"Enter a Personal Access Token to track deploys. It's saved in the keyring."},
    {u"Token je uložen v klíčence", u"Token saved in the keyring"},
    {u"Soubory", u"Files"},
    {u"Otevřít ve správci souborů", u"Open in file manager"},
    // Project editor rows of the deploy services' ids
    {u"ID webu na Netlify", u"Netlify Site ID"},
    {u"ID projektu na Vercelu", u"Vercel Project ID"},
    // Menu bar panel
    {u"Zatím neaktualizováno", u"Not refreshed yet"},
    {u"Zatím žádné projekty.\nPřidej je v hlavním okně.", u"No projects yet.\nAdd them in the main window."},
    {u"Otevřít Quaylin", u"Open Quaylin"},
    {u"Ukončit", u"Quit"},
    // Deploy history: previews and branch deploys apart from production
    {u"náhled", u"preview"},
    {u"větev", u"branch"},
    // GitHub's rate limit
    {u"GitHub: limit vyčerpán do", u"GitHub: rate limit reached until"},
    // A production deploy that works again
    {u"Deploy opraven", u"Deploy fixed"},
    {u"Nejnovější nasazení do produkce zase prošlo.", u"The newest production deploy went through again."},
    // Git states: a detached HEAD, an operation under way, a branch never pushed, stashes
    {u"odpojený HEAD", u"detached HEAD"},
    {u"Probíhá merge", u"Merge in progress"},
    {u"Probíhá rebase", u"Rebase in progress"},
    {u"Probíhá cherry-pick", u"Cherry-pick in progress"},
    {u"Probíhá revert", u"Revert in progress"},
    {u"Probíhá bisect", u"Bisect in progress"},
    {u"bez upstreamu", u"no upstream"},
    {u"Větev nikdy nepushnuta", u"Branch never pushed"},
    {u"stash", u"stash"},
    {u"stashe", u"stashes"},
    {u"stashů", u"stashes"},
};
// clang-format on

constexpr bool sameContext(const char *a, const char *b)
{
    if (!a || !b)
        return a == b;
    return std::string_view(a) == std::string_view(b);
}

constexpr bool keysAreUnique()
{
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        for (std::size_t j = i + 1; j < std::size(pairs); ++j) {
            if (std::u16string_view(pairs[i].czech) == std::u16string_view(pairs[j].czech) &&
                sameContext(pairs[i].context, pairs[j].context))
                return false;
        }
    }
    return true;
}
// A repeated key would silently drop one of its English values from the dictionary.
static_assert(keysAreUnique(), "a Czech key appears twice in one context of the table");

std::atomic_bool built = false;

} // namespace

namespace Translations {

QString key(const QString &czech, const char *context)
{
    // gettext's separator between a context and its text: it never occurs in either.
    if (!context || !*context)
        return czech;
    return QLatin1StringView(context) + u'\x04' + czech;
}

const QHash<QString, QString> &dictionary()
{
    static std::once_flag once;
    static QHash<QString, QString> table;
    std::call_once(once, [] {
        table.reserve(qsizetype(std::size(pairs)));
        for (const Pair &pair : pairs)
            table.insert(key(QString::fromUtf16(pair.czech), pair.context),
                         QString::fromUtf16(pair.english));
        built = true;
    });
    return table;
}

std::optional<QString> english(const QString &czech, const char *context)
{
    const QHash<QString, QString> &table = dictionary();
    // Like Qt's own catalogues: a text asked for in a context the table does not know is
    // looked up as the text with one meaning.
    auto found = table.constFind(key(czech, context));
    if (found == table.cend() && context && *context)
        found = table.constFind(czech);
    if (found == table.cend())
        return std::nullopt;
    return found.value();
}

QString text(AppLanguage language, const QString &czech, const char *context)
{
    if (language == AppLanguage::Cs)
        return czech;
    return english(czech, context).value_or(czech);
}

bool isBuilt()
{
    return built;
}

} // namespace Translations
