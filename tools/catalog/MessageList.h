// The catalog: MSG(id, English, Japanese), each text UTF-8 with its placeholders %1 ... %9
// (the same ones in both languages). Read twice by Messages.h and Messages.cpp; no include
// guard on purpose.

// Shared by koyomi and koyomihost.
MSG(MSG_WARNING, u8"warning: ", u8"警告: ")
MSG(MSG_ADDS_NOTHING, u8"%1: %2; it adds nothing", u8"%1: %2（何も読み込まれません）")
MSG(MSG_NOT_IN_FOLDER, u8"no such file in %1", u8"%1 にありません")
MSG(MSG_NO_SUCH_FILE, u8"no such file", u8"ファイルがありません")
MSG(MSG_NOT_REGULAR, u8"not a regular file", u8"通常のファイルではありません")
MSG(MSG_NOT_DATA_FILE, u8"not a data file of this version",
    u8"この版のデータファイルではありません")
MSG(MSG_PATH_TOO_LONG, u8"longer than %1 bytes", u8"%1バイトを超えています")
MSG(MSG_PATH_TOO_LONG_IN, u8"longer than %2 bytes in %1", u8"%1 と合わせると%2バイトを超えます")
MSG(MSG_TOO_LARGE, u8"too large to load", u8"大きすぎて読み込めません")
MSG(MSG_UNREADABLE, u8"cannot be read", u8"読み込めません")
MSG(MSG_ACCESS_DENIED, u8"access denied", u8"アクセスが拒否されました")
MSG(MSG_OUT_OF_MEMORY, u8"out of memory", u8"メモリーが足りません")
MSG(MSG_CHIP_UNREADABLE, u8"cannot read the chip text \"%1\": %2",
    u8"小片の文字列のファイル「%1」を読めません：%2")

// koyomi: warnings about the files a chip names.
MSG(MSG_DID_YOU_MEAN, u8" (did you mean \"koyomi %1\"?)", u8"（「koyomi %1」のことですか？）")
MSG(MSG_CUT_SHORT, u8"%1: read %2 of the %3 records its header promises; the file may be damaged",
    u8"%1: ヘッダーにある %3 件のうち %2 "
    u8"件しか読めませんでした。ファイルが壊れているかもしれません")
MSG(MSG_NO_DATA_FILES, u8"(no data files named; see koyomi --help)",
    u8"（データファイルが指定されていません。koyomi --help をご覧ください）")

// Why a system call failed.
MSG(MSG_NO_SUCH_FOLDER, u8"no such folder", u8"フォルダーがありません")
MSG(MSG_IN_USE, u8"in use by another program", u8"ほかのプログラムが使用中です")
MSG(MSG_DISK_FULL, u8"disk full", u8"ディスクがいっぱいです")
MSG(MSG_WRITE_PROTECTED, u8"write-protected", u8"書き込み禁止です")
MSG(MSG_INVALID_NAME, u8"not a valid file name", u8"ファイル名として使えません")
MSG(MSG_NAME_TOO_LONG, u8"name too long", u8"名前が長すぎます")
MSG(MSG_FILE_TOO_LARGE, u8"file too large", u8"ファイルが大きすぎます")
MSG(MSG_SYSTEM_ERROR, u8"system error %1", u8"システムエラー %1")

// Writing files.
MSG(MSG_CANNOT_WRITE, u8"cannot write %1", u8"%1 を書き込めません")
MSG(MSG_CANNOT_WRITE_BECAUSE, u8"cannot write %1: %2", u8"%1 を書き込めません：%2")
MSG(MSG_CANNOT_BACK_UP, u8"cannot make the backup %1; %2 was not written",
    u8"バックアップ %1 を作れません。%2 は書き込んでいません")
MSG(MSG_CANNOT_BACK_UP_BECAUSE, u8"cannot make the backup %1: %3; %2 was not written",
    u8"バックアップ %1 を作れません（%3）。%2 は書き込んでいません")
MSG(MSG_CANNOT_WRITE_BESIDE, u8"cannot write beside %1", u8"%1 のあるフォルダーに書き込めません")
MSG(MSG_STANDARD_OUTPUT, u8"standard output", u8"標準出力")
MSG(MSG_WROTE_HOLIDAYS, u8"wrote %1: %2 days off in %3", u8"%1 を書き出しました：%3年の休日 %2日")
MSG(MSG_WROTE_ICS, u8"wrote %1: %2 events, %3 to %4", u8"%1 を書き出しました：予定 %2件、%3～%4")

// Loading a file as the editor opens one.
MSG(MSG_LOAD_FAILED, u8"ファイルの読込に失敗しました。", u8"ファイルの読込に失敗しました。")
MSG(MSG_IMPORT_STOPPED_AT,
    u8"%1: import stopped at line %2; that line and the lines after it were not imported",
    u8"%1: %2行目で読み込みを止めました。その行から後は読み込んでいません")
MSG(MSG_IMPORT_STOPPED_IN,
    u8"%1: import stopped in line %2 after its first %3 bytes; the rest of that line and the "
    u8"lines after it were not imported",
    u8"%1: %2行目の最初の %3 バイトの後で読み込みを止めました。その行の残りと、その後の行は"
    u8"読み込んでいません")

// Usage errors.
MSG(MSG_TRY_HELP, u8"Try 'koyomi --help'.", u8"使い方は「koyomi --help」で表示されます。")
MSG(MSG_UNKNOWN_OPTION, u8"unknown option \"%1\"", u8"「%1」というオプションはありません")
MSG(MSG_BAD_DATE, u8"bad date for %1: \"%2\" (use YYYY-MM-DD)",
    u8"%1 の日付「%2」が正しくありません（YYYY-MM-DD の形で書きます）")
MSG(MSG_NEEDS_FILE, u8"%1 needs a file", u8"%1 の後にファイルを書いてください")
MSG(MSG_CHIP_OR_PATHS, u8"give either --chip FILE or PATH arguments, not both",
    u8"--chip FILE と PATH は一緒に使えません。どちらか一方を書いてください")
MSG(MSG_NAME_THE_FILES, u8"name the data files, or a chip text with --chip FILE",
    u8"データファイルか、--chip FILE で小片の文字列のファイルを書いてください")
MSG(MSG_BAD_MONTH, u8"bad month \"%1\" (use YYYY-MM)",
    u8"月「%1」が正しくありません（YYYY-MM の形で書きます）")
MSG(MSG_BAD_DAYS, u8"--days takes a number of days from 1 to %2, not \"%1\"",
    u8"--days には 1 から %2 までの日数を書きます（「%1」は使えません）")
MSG(MSG_BAD_COLOR, u8"--color is never, always or auto, not \"%1\"",
    u8"--color は never、always、auto のどれかです（「%1」は使えません）")
MSG(MSG_BAD_TIME, u8"bad time for --alarm-at: \"%1\" (use HH:MM, 00:00 to 23:59)",
    u8"--alarm-at の時刻「%1」が正しくありません（HH:MM の形で、00:00 から 23:59 まで）")
MSG(MSG_DAYS_OR_TO, u8"give either --days or --to, not both",
    u8"--days と --to は一緒に使えません。どちらか一方を書いてください")
MSG(MSG_PAST_LAST_YEAR, u8"the range would run past the year %1",
    u8"期間が %1年を超えてしまいます")
MSG(MSG_TO_BEFORE_FROM, u8"--to is before --from", u8"--to の日付が --from より前です")
MSG(MSG_RANGE_TOO_LONG, u8"the range is longer than %1 days",
    u8"期間が %1日より長くなっています")
MSG(MSG_EXPECTED_ONE_PATH, u8"expected one PATH", u8"PATH を１つ書いてください")
MSG(MSG_EXPECTED_IN_OUT, u8"expected IN and OUT", u8"IN と OUT を書いてください")
MSG(MSG_BAD_YEAR, u8"bad year \"%1\" (give a year such as 2027)",
    u8"年「%1」が正しくありません（2027 のように書きます）")
MSG(MSG_YEAR_OUTSIDE, u8"year %1 is outside %2-%3, the years these rules cover",
    u8"%1年は、この祝日の決まりが扱う %2～%3年の外です")
MSG(MSG_FROM_TO_TOGETHER, u8"--from and --to go together",
    u8"--from と --to は両方とも書いてください")
MSG(MSG_AT_MOST_ONE_DIR, u8"expected at most one DIR", u8"DIR は１つまでです")
MSG(MSG_YEAR_AND_OUT, u8"expected YEAR and at most OUT",
    u8"YEAR と、要るなら OUT を１つ書いてください")
MSG(MSG_FROM_AFTER_TO, u8"--from %1 comes after --to %2", u8"--from %1 が --to %2 より後です")

// koyomihost, the test host.
MSG(MSG_HOST_USAGE,
    u8"usage: koyomihost [--exchange | --window] DXL CHIPFILE\n"
    u8"  prints the chip text the plug-in DXL makes of the text of CHIPFILE (code page 932,\n"
    u8"  or UTF-8 as Notepad saves it); relative lines are read from the current folder,\n"
    u8"  as the plug-in reads them\n"
    u8"  --exchange  through ExchangeSendString on a global block instead\n"
    u8"  --window    shows a chip window; right click for the menu. 更新 (F5) reads\n"
    u8"              CHIPFILE again; the helper's change is written back to it\n",
    u8"使い方: koyomihost [--exchange | --window] DXL CHIPFILE\n"
    u8"  CHIPFILE の文字列（コードページ 932、またはメモ帳で保存した UTF-8）から\n"
    u8"  拡張ライブラリ DXL が作る小片の内容を表示します。相対パスの行は、拡張ライブラリ\n"
    u8"  と同じく現在のフォルダーから読みます\n"
    u8"  --exchange  代わりに ExchangeSendString でグローバルメモリーの文字列を変えます\n"
    u8"  --window    小片の画面を表示します。右クリックでメニューが出ます。「更新」\n"
    u8"              （F5）で CHIPFILE を読み直し、Helper で変えた文字列は CHIPFILE に\n"
    u8"              書き戻します\n")
MSG(MSG_HOST_NO_STATE, u8"InitializeChip gave no state",
    u8"InitializeChip が状態を返しませんでした")
MSG(MSG_HOST_WROTE_BACK, u8"wrote the helper's change to %1",
    u8"Helper で変えた文字列を %1 に書き込みました")
MSG(MSG_HOST_NOT_WRITTEN_BACK, u8"the helper's change was not written to %1: %2",
    u8"Helper で変えた文字列を %1 に書き込めませんでした：%2")
MSG(MSG_HOST_WOULD_LOSE, u8"it holds characters code page 932 lacks, which writing would lose",
    u8"コードページ 932 にない文字があり、書き込むと失われます")
MSG(MSG_HOST_NOTHING_ADDED_HEADING, u8"Lines that add nothing:", u8"何も読み込まれない行:")

// koyomi --help: the head of the usage lines (the commands' own come from their table), the
// main mode, the output options of each build, the commands, the examples of each build.
MSG(MSG_HELP_USAGE, u8"usage: ", u8"使い方: ")
MSG(MSG_HELP_UTF8, u8"Every command also takes --utf8.\n",
    u8"どのコマンドにも --utf8 を付けられます。\n")
MSG(MSG_HELP_MAIN,
    u8"\n"
    u8"Main mode: prints the text a chip shows for the named data files (.kmb), exactly as\n"
    u8"the Koyomiru plug-in builds it: the header with the date, then the names of the\n"
    u8"entries that apply, or \"なし\".\n"
    u8"  PATH...        data files, one chip-text line each (\"%year%\" stands for the year\n"
    u8"                 of the date in use); \"--\" ends the options\n"
    u8"  --chip FILE    use the text of FILE as the chip text instead of PATH arguments:\n"
    u8"                 lines end in CR LF, CR or LF, and a relative line names a file in\n"
    u8"                 FILE's folder, not in the current one; a byte order mark is\n"
    u8"                 dropped, and on Windows UTF-8 (as Notepad saves it) is read as\n"
    u8"                 well as code page 932\n"
    u8"  --date DATE    evaluate DATE (YYYY-MM-DD), as if picked from the chip menu\n"
    u8"  --now DATE     set the clock: the default date and the year of the holiday table\n"
    u8"                 (default: the real local date)\n",
    u8"\n"
    u8"主モード：指定したデータファイル（.kmb）について、小片に表示される文字列を\n"
    u8"Koyomiru の拡張ライブラリと同じに作って表示します。日付の見出しの後に、その日に\n"
    u8"当てはまる予定の名前が並びます。１つもなければ「なし」です。\n"
    u8"  PATH...        データファイル。１つが小片の文字列の１行になります（「%year%」は\n"
    u8"                 表示する日付の年に置き換わります）。「--」の後はオプションとして\n"
    u8"                 扱いません\n"
    u8"  --chip FILE    PATH の代わりに、FILE の文字列を小片の文字列として使います。\n"
    u8"                 行の終わりは CR LF、CR、LF のどれでもかまいません。相対パスの行は、\n"
    u8"                 現在のフォルダーではなく FILE のあるフォルダーから見た場所です。\n"
    u8"                 先頭の BOM は無視します。Windows ではコードページ 932 のほか、\n"
    u8"                 メモ帳で保存した UTF-8 も読めます\n"
    u8"  --date DATE    DATE（YYYY-MM-DD）の内容を表示します（小片のメニューの日付指定と\n"
    u8"                 同じです）\n"
    u8"  --now DATE     時計を DATE に合わせます。日付の既定値と、休日の表の年になります\n"
    u8"                 （既定は実際の今日）\n")
MSG(MSG_HELP_OUTPUT_WINDOWS,
    u8"  --raw          write the code page 932 bytes unchanged (what the host receives);\n"
    u8"                 otherwise a console shows the characters, and a file or pipe gets the\n"
    u8"                 ANSI code page (932 in Japan) with CR LF\n"
    u8"  --utf8         UTF-8 with CR LF to a file or pipe instead (any command)\n",
    u8"  --raw          コードページ 932 のバイトをそのまま書き出します（メモ帳ソフトが\n"
    u8"                 受け取るもの）。付けないときは、コンソールには文字として、ファイル\n"
    u8"                 やパイプには ANSI コードページ（日本では 932）と CR LF で書きます\n"
    u8"  --utf8         ファイルやパイプにも UTF-8（CR LF）で書きます（どのコマンドでも）\n")
MSG(MSG_HELP_OUTPUT_NATIVE,
    u8"  --raw          write the code page 932 bytes unchanged (what the host receives);\n"
    u8"                 otherwise UTF-8 with one newline per line\n"
    u8"  --utf8         UTF-8 to a Windows file or pipe; here the output is UTF-8 anyway\n",
    u8"  --raw          コードページ 932 のバイトをそのまま書き出します（メモ帳ソフトが\n"
    u8"                 受け取るもの）。付けないときは UTF-8 で、１行ごとに改行します\n"
    u8"  --utf8         Windows でファイルやパイプに UTF-8 で書くためのものです。ここでは\n"
    u8"                 もともと UTF-8 です\n")
MSG(MSG_HELP_COMMANDS,
    u8"A line that ends in *N (N = 1-%1, one or two digits) asks for that file's entries\n"
    u8"N days ahead: after the day's own text come \"明日：NAME\", \"明後日：NAME\",\n"
    u8"\"3日後：NAME\" ..., each day as the chip will show it on that day (its year's\n"
    u8"files and holidays). Any other line, such as a.kmb*0 or a.kmb*32, is a path.\n"
    u8"With neither PATH nor --chip the chip text is empty, which the plug-in answers with\n"
    u8"\"データファイル読み込みエラー\"; standard error then says that no data files were\n"
    u8"named. A bad date or an unknown option exits 2. A named file that adds nothing\n"
    u8"(missing, unreadable, not a regular file, of another version) gets one warning on\n"
    u8"standard error, which names the folder a missing relative line was looked for in,\n"
    u8"with a hint when its name is nearly a command's; standard output stays the\n"
    u8"plug-in's text. When no named file could be read (or none is named), the exit is 1.\n"
    u8"\n"
    u8"dump PATH        one line per entry: MM SD ED WD FFFF NAME (months byte, start and\n"
    u8"                 end day, weekday byte, flags word in hex; name in UTF-8, invalid\n"
    u8"                 bytes as \\xNN)\n"
    u8"list PATH        the editor's 13 list columns, tab-separated, with a heading line\n"
    u8"convert IN OUT   load IN and save it as OUT in the binary format (with a backup of\n"
    u8"                 an existing OUT as OUT's name up to its last \".\" plus \"bak\"; when\n"
    u8"                 that backup cannot be made, OUT is left as it was and the exit is 1)\n"
    u8"holidays YEAR [OUT]\n"
    u8"                 write Japan's national holidays of YEAR (%2-%3) as a data file:\n"
    u8"                 one 当日 entry with the holiday flag per day off, 振替休日 and\n"
    u8"                 国民の休日 included (default OUT holidays-YEAR.kmb; an existing OUT is\n"
    u8"                 backed up as for convert); says which file it wrote and how many\n"
    u8"                 days off it holds\n"
    u8"  --text         the legacy text format instead (code page 932, CR LF, default OUT\n"
    u8"                 holidays-YEAR.kmd), to read or to edit in KmbTool\n"
    u8"  --from YEAR --to YEAR [DIR]\n"
    u8"                 one file per year into DIR (default: the current folder), named\n"
    u8"                 holidays-YEAR.kmb as a chip line \"holidays-%year%.kmb\" expects\n"
    u8"The holidays follow Japan's holiday law as of 2026 (国民の祝日に関する法律 and the\n"
    u8"one-off acts for 2019-2021; equinox days by the standard approximation): a later\n"
    u8"change of the law needs a new version of koyomi. A YEAR that is no number or lies\n"
    u8"outside %2-%3 exits 2 and writes nothing. Next year's file for the chip line\n"
    u8"\"holidays-%year%.kmb\": koyomi holidays 2027 (or --from 2027 --to 2036 for ten).\n"
    u8"\n"
    u8"agenda, month and ics show each day D exactly as \"koyomi --now D --date D\" would:\n"
    u8"\"%year%\" is D's year and the holidays are those of D's year, so a range that\n"
    u8"crosses a year reads the next year's holiday file. --chip FILE reads relative lines\n"
    u8"from FILE's folder, as in the main mode. --from and --to are inclusive; --now DATE\n"
    u8"takes DATE as today. A bad date, --to before --from or more than %4 days exits 2;\n"
    u8"a file that adds nothing is warned about once.\n"
    u8"agenda            one block per day with entries: the date and weekday, then the\n"
    u8"                  names (default: today and the next 13 days)\n"
    u8"  --days N        N days from --from (1-%4)\n"
    u8"  --all           show the days without entries too\n"
    u8"  --tsv           one line per day and name: YYYY-MM-DD, a tab, the name in UTF-8\n"
    u8"month [YYYY-MM]   the month as a grid of weeks from Sunday (default: this month):\n"
    u8"                  holidays in brackets, other entries marked *, then the days and\n"
    u8"                  their names\n"
    u8"  --color=WHEN    colour holidays and Sundays: never, always, or auto (the default:\n"
    u8"                  on a terminal, unless NO_COLOR is set)\n"
    u8"ics               an iCalendar file of all-day events, one per day and entry, to\n"
    u8"                  import into a phone or web calendar (default: today through one\n"
    u8"                  year); UTF-8 with CR LF on every system. Each event's UID stays the\n"
    u8"                  same across runs, so importing again updates rather than doubles.\n"
    u8"                  The file is a snapshot: export again after editing the rules\n"
    u8"  -o FILE         write FILE (put in place whole) instead of standard output, and\n"
    u8"                  say what was written: the file, its events and the range\n"
    u8"  --alarm-at HH:MM\n"
    u8"                  the time of the alarm each event of a line with *N gets, N days\n"
    u8"                  before its day (default 19:00; 00:00 to 23:59); other events\n"
    u8"                  have none\n"
    u8"\n"
    u8"A PATH whose extension is .kmd (any case) is read as a legacy text file, any other\n"
    u8"as a binary data file. A file that cannot be loaded prints\n"
    u8"\"ファイルの読込に失敗しました。\" and exits 1; an import that stopped early warns\n"
    u8"with the line number. A legacy file saved as UTF-8 (with or without a BOM, as\n"
    u8"today's Notepad writes) is read as such; a character code page 932 lacks becomes\n"
    u8"\"?\". A file that cannot be written names the cause. Usage errors exit 2.\n"
    u8"Messages and this help are in Japanese on a Japanese system (Windows' display\n"
    u8"language is Japanese, or LC_ALL, LC_MESSAGES or LANG starts with \"ja\"), and in\n"
    u8"English elsewhere and with LANG=C; the exit codes and the output for programs\n"
    u8"(--raw, --tsv, ics) are the same in either.\n"
    u8"--version prints the release version.\n"
    u8"\n",
    u8"行の最後が *N（N は 1～%1 で、１けたか２けたの数字）の行は、そのファイルの予定を\n"
    u8"N 日前から知らせます。その日の内容の後に「明日：名前」「明後日：名前」\n"
    u8"「3日後：名前」…が続きます。どの日も、その日に小片が表示するとおりです（その年の\n"
    u8"ファイルと休日）。a.kmb*0 や a.kmb*32 のようなほかの行は、そのままパスです。\n"
    u8"PATH も --chip もないときは小片の文字列が空になり、拡張ライブラリと同じく\n"
    u8"「データファイル読み込みエラー」と表示します。標準エラーには、データファイルの\n"
    u8"指定がないことを書きます。日付の誤りや知らないオプションは終了コード 2 です。\n"
    u8"何も読み込まれないファイル（ない、読めない、通常のファイルではない、ほかの版）\n"
    u8"には、標準エラーに１つずつ警告が出ます。相対パスの行のファイルがないときは、探した\n"
    u8"フォルダーも書きます。名前がコマンドの名前に近いときは、そのことも書きます。\n"
    u8"標準出力は拡張ライブラリの文字列のままです。読み込めたファイルが１つもないとき\n"
    u8"（指定がないときも）は、終了コード 1 です。\n"
    u8"\n"
    u8"dump PATH        予定ごとに１行：MM SD ED WD FFFF 名前（月のバイト、開始日と\n"
    u8"                 終了日、曜日のバイト、フラグの語を16進で。名前は UTF-8 で、\n"
    u8"                 文字にならないバイトは \\xNN）\n"
    u8"list PATH        KmbTool の一覧の13列を、見出しの行を付けてタブ区切りで表示します\n"
    u8"convert IN OUT   IN を読み込み、バイナリ形式で OUT に保存します（OUT があるときは、\n"
    u8"                 OUT の名前の最後の「.」の後を「bak」にした名前でバックアップを\n"
    u8"                 作ります。バックアップを作れないときは OUT をそのままにして、\n"
    u8"                 終了コード 1 です）\n"
    u8"holidays YEAR [OUT]\n"
    u8"                 YEAR年（%2～%3）の国民の祝日をデータファイルに書き出します。\n"
    u8"                 休日１日ごとに、休日の付いた「当日」の予定が１つです。振替休日と\n"
    u8"                 国民の休日も入ります（OUT の既定は holidays-YEAR.kmb。OUT がある\n"
    u8"                 ときは convert と同じくバックアップを作ります）。書き出したファイル\n"
    u8"                 と、休日の数を表示します\n"
    u8"  --text         代わりに古いテキスト形式（コードページ 932、CR LF、OUT の既定は\n"
    u8"                 holidays-YEAR.kmd）で書き出します。読んだり KmbTool で編集したり\n"
    u8"                 するためのものです\n"
    u8"  --from YEAR --to YEAR [DIR]\n"
    u8"                 １年に１つずつ、DIR（既定は現在のフォルダー）に書き出します。名前は\n"
    u8"                 小片の行「holidays-%year%.kmb」に合わせた holidays-YEAR.kmb です\n"
    u8"祝日は 2026年時点の祝日法（国民の祝日に関する法律と、2019～2021年の特例。春分の日\n"
    u8"と秋分の日は標準的な近似式）によります。法律が変わったときは、新しい版の koyomi が\n"
    u8"必要です。YEAR が数字でないときや %2～%3 の外のときは、終了コード 2 で何も\n"
    u8"書き出しません。小片の行「holidays-%year%.kmb」用の来年のファイルは\n"
    u8"koyomi holidays 2027 で作れます（10年分なら --from 2027 --to 2036）。\n"
    u8"\n"
    u8"agenda、month、ics は、どの日 D も「koyomi --now D --date D」と同じに扱います。\n"
    u8"「%year%」は D の年、休日は D の年のものなので、年をまたぐ期間では次の年の祝日\n"
    u8"ファイルを読みます。--chip FILE の相対パスの行は、主モードと同じく FILE のある\n"
    u8"フォルダーから読みます。--from と --to の日も期間に入ります。--now DATE は DATE を\n"
    u8"今日とします。日付の誤り、--from より前の --to、%4日を超える期間は終了コード 2\n"
    u8"です。何も読み込まれないファイルには、警告が１回だけ出ます。\n"
    u8"agenda            予定のある日ごとに、日付と曜日、続けて予定の名前を表示します\n"
    u8"                  （既定は今日から13日後まで）\n"
    u8"  --days N        --from から N 日分（1～%4）\n"
    u8"  --all           予定のない日も表示します\n"
    u8"  --tsv           日と名前ごとに１行：YYYY-MM-DD、タブ、UTF-8 の名前（スクリプト用）\n"
    u8"month [YYYY-MM]   その月（既定は今月）を、日曜日から始まる週の暦で表示します。\n"
    u8"                  休日はかっこで囲み、ほかの予定のある日には * を付けます。暦の下に、\n"
    u8"                  日ごとの予定の名前が並びます\n"
    u8"  --color=WHEN    休日と日曜日に色を付けます：never、always、auto（既定。端末のとき\n"
    u8"                  だけ付けます。NO_COLOR があるときは付けません）\n"
    u8"ics               日と予定ごとに終日の予定を１件ずつ入れた iCalendar ファイル。\n"
    u8"                  スマートフォンや Web のカレンダーに読み込めます（既定は今日から\n"
    u8"                  １年分）。どのシステムでも UTF-8 と CR LF です。予定の UID は毎回\n"
    u8"                  同じなので、読み込み直すと二重にならずに置き換わります。ファイルは\n"
    u8"                  書き出した時点の写しです。予定を編集したら書き出し直してください\n"
    u8"  -o FILE         標準出力の代わりに FILE に書き出し（全部できてから置き換えます）、\n"
    u8"                  書き出したファイル、予定の数、期間を表示します\n"
    u8"  --alarm-at HH:MM\n"
    u8"                  *N の行の予定に付くアラームの時刻です。予定の日の N 日前のこの時刻\n"
    u8"                  に鳴ります（既定は 19:00。00:00～23:59）。ほかの行の予定には\n"
    u8"                  付きません\n"
    u8"\n"
    u8"拡張子が .kmd（大文字でも小文字でも）の PATH は古いテキスト形式として、ほかは\n"
    u8"バイナリ形式のデータファイルとして読みます。読み込めないファイルは\n"
    u8"「ファイルの読込に失敗しました。」と表示して、終了コード 1 です。途中で読み込みを\n"
    u8"止めたときは、その行番号を警告します。UTF-8 で保存した古い形式のファイル（BOM は\n"
    u8"あってもなくても。今のメモ帳が保存する形です）も読めます。コードページ 932 にない\n"
    u8"文字は「?」になります。書き込めないファイルは、その原因を表示します。使い方の\n"
    u8"誤りは終了コード 2 です。\n"
    u8"メッセージとこの説明は、日本語の環境（Windows の表示言語が日本語、または LC_ALL、\n"
    u8"LC_MESSAGES、LANG が「ja」で始まる）では日本語、ほかの環境と LANG=C では英語です。\n"
    u8"終了コードと、プログラム向けの出力（--raw、--tsv、ics）はどちらでも同じです。\n"
    u8"--version はリリースの版を表示します。\n"
    u8"\n")
MSG(MSG_HELP_EXAMPLES_WINDOWS,
    u8"Examples:\n"
    u8"  koyomi.exe my.kmb holidays-%year%.kmb\n"
    u8"  koyomi.exe gomi.kmb*1 payday.kmb*3    (tomorrow's rubbish, paydays 3 days ahead)\n"
    u8"  koyomi.exe --date 2027-01-11 --chip sample\\chip.txt\n"
    u8"  koyomi.exe --now 2026-12-08 D:\\予定\\my.kmb > today.txt\n"
    u8"  koyomi.exe convert old.kmd new.kmb\n"
    u8"  koyomi.exe holidays 2027          (next year's holidays-2027.kmb for the chip)\n"
    u8"  koyomi.exe holidays --from 2027 --to 2036 %USERPROFILE%\\Documents\\koyomi\n"
    u8"  koyomi.exe agenda --chip sample\\chip.txt\n"
    u8"  koyomi.exe month 2027-01 --chip sample\\chip.txt\n"
    u8"  koyomi.exe ics --chip sample\\chip.txt -o koyomiru.ics\n",
    u8"例:\n"
    u8"  koyomi.exe my.kmb holidays-%year%.kmb\n"
    u8"  koyomi.exe gomi.kmb*1 payday.kmb*3    （明日のゴミ出しと、３日前からの給料日）\n"
    u8"  koyomi.exe --date 2027-01-11 --chip sample\\chip.txt\n"
    u8"  koyomi.exe --now 2026-12-08 D:\\予定\\my.kmb > today.txt\n"
    u8"  koyomi.exe convert old.kmd new.kmb\n"
    u8"  koyomi.exe holidays 2027          （小片の行に使う来年の holidays-2027.kmb）\n"
    u8"  koyomi.exe holidays --from 2027 --to 2036 %USERPROFILE%\\Documents\\koyomi\n"
    u8"  koyomi.exe agenda --chip sample\\chip.txt\n"
    u8"  koyomi.exe month 2027-01 --chip sample\\chip.txt\n"
    u8"  koyomi.exe ics --chip sample\\chip.txt -o koyomiru.ics\n")
MSG(MSG_HELP_EXAMPLES_NATIVE,
    u8"Examples:\n"
    u8"  koyomi my.kmb holidays-%year%.kmb\n"
    u8"  koyomi 'gomi.kmb*1' 'payday.kmb*3'    (tomorrow's rubbish, paydays 3 days ahead)\n"
    u8"  koyomi --date 2027-01-11 --chip build/native/examples/chip.txt\n"
    u8"  koyomi --raw --now 2026-12-08 my.kmb | iconv -f CP932 -t UTF-8\n"
    u8"  koyomi convert old.kmd new.kmb\n"
    u8"  koyomi holidays 2027              (next year's holidays-2027.kmb for the chip)\n"
    u8"  koyomi agenda --chip chip.txt\n"
    u8"  koyomi month 2027-01 --chip chip.txt\n"
    u8"  koyomi ics --chip chip.txt -o koyomiru.ics\n",
    u8"例:\n"
    u8"  koyomi my.kmb holidays-%year%.kmb\n"
    u8"  koyomi 'gomi.kmb*1' 'payday.kmb*3'    （明日のゴミ出しと、３日前からの給料日）\n"
    u8"  koyomi --date 2027-01-11 --chip build/native/examples/chip.txt\n"
    u8"  koyomi --raw --now 2026-12-08 my.kmb | iconv -f CP932 -t UTF-8\n"
    u8"  koyomi convert old.kmd new.kmb\n"
    u8"  koyomi holidays 2027              （小片の行に使う来年の holidays-2027.kmb）\n"
    u8"  koyomi agenda --chip chip.txt\n"
    u8"  koyomi month 2027-01 --chip chip.txt\n"
    u8"  koyomi ics --chip chip.txt -o koyomiru.ics\n")
