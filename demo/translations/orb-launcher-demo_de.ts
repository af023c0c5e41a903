<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DemoOptions</name>
    <message>
        <source>Host application around the launcher module: loads it, shows its panel and menus, and offers controls to drive it. Without a display it tours every edge, state and dialog and writes pictures.</source>
        <translation>Gastanwendung für das Startmodul: lädt es, zeigt seine Leiste und Menüs und bietet Bedienelemente, um es zu steuern. Ohne Bildschirm führt sie durch jeden Rand, jeden Zustand und jeden Dialog und schreibt Bilder.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Activate without showing the panel.</source>
        <translation>Aktivieren, ohne die Leiste zu zeigen.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;: use en or de.</source>
        <translation>Unbekannte Sprache „%1“: en oder de verwenden.</translation>
    </message>
    <message>
        <source>Paths given on the command line must not be empty.</source>
        <translation>Pfade auf der Befehlszeile dürfen nicht leer sein.</translation>
    </message>
    <message>
        <source>Settings file %1 is a folder.</source>
        <translation>Die Einstellungsdatei %1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot use settings file %1: its folder %2 cannot be created.</source>
        <translation>Die Einstellungsdatei %1 ist nicht nutzbar: ihr Ordner %2 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Cannot write settings file %1: %2.</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Cannot create settings file %1: %2.</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht anlegen: %2.</translation>
    </message>
    <message>
        <source>The %1 folder %2 is a file.</source>
        <translation>Der %1-Ordner %2 ist eine Datei.</translation>
    </message>
    <message>
        <source>The %1 folder %2 cannot be created.</source>
        <translation>Der %1-Ordner %2 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The %1 folder %2 is not writable: %3.</source>
        <translation>In den %1-Ordner %2 lässt sich nicht schreiben: %3.</translation>
    </message>
    <message>
        <source>Module library to load (default: %1).</source>
        <translation>Zu ladende Modulbibliothek (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>Settings file (INI; default: %1, or a fresh %2 in the tour&apos;s folder).</source>
        <translation>Einstellungsdatei (INI; Vorgabe: %1, oder eine frische %2 im Ordner der Tour).</translation>
    </message>
    <message>
        <source>Folder for screenshots (default: %1, or %2 in the tour&apos;s folder).</source>
        <translation>Ordner für Screenshots (Vorgabe: %1, oder %2 im Ordner der Tour).</translation>
    </message>
    <message>
        <source>Tour every edge, state and dialog, write pictures and a log into DIR, then quit (default without a display: %1).</source>
        <translation>Durch jeden Rand, jeden Zustand und jeden Dialog führen, Bilder und ein Protokoll in DIR schreiben, dann beenden (Vorgabe ohne Bildschirm: %1).</translation>
    </message>
    <message>
        <source>Language at start: en or de (default: en).</source>
        <translation>Sprache beim Start: en oder de (Vorgabe: en).</translation>
    </message>
    <message>
        <source>Screenshots show every screen (default: the screen under the mouse pointer).</source>
        <translation>Screenshots zeigen alle Bildschirme (Vorgabe: den Bildschirm unter dem Mauszeiger).</translation>
    </message>
    <message>
        <source>Folder for recordings (default: %1).</source>
        <translation>Ordner für Aufnahmen (Vorgabe: %1).</translation>
    </message>
</context>
<context>
    <name>ModuleLibrary</name>
    <message>
        <source>Module library %1 does not exist.</source>
        <translation>Die Modulbibliothek %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Module library %1 is not a file.</source>
        <translation>Die Modulbibliothek %1 ist keine Datei.</translation>
    </message>
    <message>
        <source>Cannot load module library %1: %2</source>
        <translation>Die Modulbibliothek %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>Module library %1 has no entry point %2: %3</source>
        <translation>Die Modulbibliothek %1 hat keinen Einstiegspunkt %2: %3</translation>
    </message>
</context>
<context>
    <name>OrbDemo::ControlWindow</name>
    <message>
        <source>Take screenshot</source>
        <translation>Screenshot aufnehmen</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Aufnahme starten oder beenden</translation>
    </message>
    <message>
        <source>Start or stop audio recording</source>
        <translation>Tonaufnahme starten oder beenden</translation>
    </message>
    <message>
        <source>Start or stop webcam recording</source>
        <translation>Webcam-Aufnahme starten oder beenden</translation>
    </message>
    <message>
        <source>Catalogue %1 not found.</source>
        <translation>Katalog %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Orb launcher demo</source>
        <translation>Orb-Starter-Demo</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Activate silently</source>
        <translation>Still aktivieren</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Show panel</source>
        <translation>Leiste zeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Global hotkeys</source>
        <translation>Globale Tastenkürzel</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Auslösen</translation>
    </message>
    <message>
        <source>Calls between launcher and host</source>
        <translation>Aufrufe zwischen Starter und Gastanwendung</translation>
    </message>
    <message>
        <source>Show settings store calls</source>
        <translation>Zugriffe auf die Einstellungen zeigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Hotkey %1 held back: a launcher window is open.</source>
        <translation>Tastenkürzel %1 zurückgehalten: ein Fenster des Starters ist offen.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>%1 is already the hotkey for &quot;%2&quot;; choose another.</source>
        <translation>%1 ist schon das Tastenkürzel für „%2“; bitte ein anderes wählen.</translation>
    </message>
    <message>
        <source>Hotkey %1 for %2 is held by another program; it works only from here.</source>
        <translation>Das Tastenkürzel %1 für %2 belegt ein anderes Programm; es wirkt nur hier.</translation>
    </message>
    <message>
        <source>Hotkey %1 for %2 cannot be grabbed: the keyboard has no such key.</source>
        <translation>Das Tastenkürzel %1 für %2 lässt sich nicht belegen: die Tastatur hat diese Taste nicht.</translation>
    </message>
    <message>
        <source>The hotkeys work system-wide.</source>
        <translation>Die Tastenkürzel wirken systemweit.</translation>
    </message>
    <message>
        <source>This desktop offers no system-wide key grabs (only X11 does): the hotkeys work only while this window has focus, as shortcuts of its &quot;Capture&quot; menu, or with the Fire buttons.</source>
        <translation>Diese Arbeitsumgebung bietet keine systemweiten Tastenkürzel (nur X11 tut das): Die Kürzel wirken nur, solange dieses Fenster den Fokus hat, als Kürzel seines Menüs „Aufnahme“, oder mit den Auslösen-Knöpfen.</translation>
    </message>
</context>
<context>
    <name>OrbDemo::DemoHandler</name>
    <message>
        <source>Quit requested.</source>
        <translation>Beenden angefordert.</translation>
    </message>
    <message>
        <source>Audio recording would start now.</source>
        <translation>Jetzt würde die Tonaufnahme beginnen.</translation>
    </message>
    <message>
        <source>Webcam recording would start now.</source>
        <translation>Jetzt würde die Webcam-Aufnahme beginnen.</translation>
    </message>
    <message>
        <source>Screen recording would start now.</source>
        <translation>Jetzt würde die Bildschirmaufnahme beginnen.</translation>
    </message>
    <message>
        <source>The library of recorded videos would open now.</source>
        <translation>Jetzt würde sich die Bibliothek der aufgenommenen Videos öffnen.</translation>
    </message>
    <message>
        <source>No screenshot: there is no screen.</source>
        <translation>Kein Screenshot: es gibt keinen Bildschirm.</translation>
    </message>
    <message>
        <source>No screenshot: %1 cannot be written.</source>
        <translation>Kein Screenshot: %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Screenshot of this application&apos;s windows saved to %1 (the platform gives no picture of the screen).</source>
        <translation>Screenshot der Fenster dieser Anwendung unter %1 gespeichert (die Plattform liefert kein Bild des Bildschirms).</translation>
    </message>
    <message>
        <source>Screenshot saved to %1.</source>
        <translation>Screenshot unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>The scheduler preferences would open now.</source>
        <translation>Jetzt würden sich die Zeitplaner-Einstellungen öffnen.</translation>
    </message>
    <message>
        <source>Host action %1.</source>
        <translation>Aktion der Gastanwendung %1.</translation>
    </message>
</context>
<context>
    <name>OrbDemo::DemoHost</name>
    <message>
        <source>The module library %1 registered no launcher.</source>
        <translation>Die Modulbibliothek %1 hat keinen Starter registriert.</translation>
    </message>
    <message>
        <source>The launcher from %1 cannot be built: %2</source>
        <translation>Der Starter aus %1 lässt sich nicht erstellen: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Feedback from %1: &quot;%2&quot;</source>
        <translation>Rückmeldung aus %1: „%2“</translation>
    </message>
    <message>
        <source>Orb launcher demo</source>
        <translation>Orb-Starter-Demo</translation>
    </message>
    <message>
        <source>Recording %1 %2:%3</source>
        <translation>Aufnahme %1 %2:%3</translation>
    </message>
    <message>
        <source>Orb launcher demo: %1</source>
        <translation>Orb-Starter-Demo: %1</translation>
    </message>
</context>
<context>
    <name>OrbDemo::Recorder</name>
    <message>
        <source>screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>webcam</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>No recording: ffmpeg is not installed (apt-get install ffmpeg).</source>
        <translation>Keine Aufnahme: ffmpeg ist nicht installiert (apt-get install ffmpeg).</translation>
    </message>
    <message>
        <source>No screen recording: it needs an X11 display, and this desktop is not one (Wayland or none).</source>
        <translation>Keine Bildschirmaufnahme: sie braucht eine X11-Anzeige, und diese Arbeitsumgebung ist keine (Wayland oder keine).</translation>
    </message>
    <message>
        <source>No webcam recording: there is no camera (/dev/video*).</source>
        <translation>Keine Webcam-Aufnahme: es gibt keine Kamera (/dev/video*).</translation>
    </message>
    <message>
        <source>No recording: the folder %1 cannot be created.</source>
        <translation>Keine Aufnahme: der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Already recording %1; stop it before recording %2.</source>
        <translation>Es läuft schon eine Aufnahme (%1); bitte erst beenden, dann %2 aufnehmen.</translation>
    </message>
    <message>
        <source>Recording %1 into %2.</source>
        <translation>Aufnahme (%1) nach %2.</translation>
    </message>
    <message>
        <source>Recording of %1 saved to %2 (%3 s).</source>
        <translation>Aufnahme (%1) in %2 gespeichert (%3 s).</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>No audio recording: neither PulseAudio nor ALSA&apos;s default device answered; ffmpeg said: %1</source>
        <translation>Keine Tonaufnahme: weder PulseAudio noch das ALSA-Standardgerät antworten; ffmpeg meldet: %1</translation>
    </message>
    <message>
        <source>Recording of %1 ended by itself; ffmpeg said: %2</source>
        <translation>Die Aufnahme (%1) endete von selbst; ffmpeg meldet: %2</translation>
    </message>
</context>
<context>
    <name>OrbDemo::Tour</name>
    <message>
        <source>Cannot write the tour log %1: %2</source>
        <translation>Das Rundgangsprotokoll %1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try --help.</source>
        <translation>Siehe --help.</translation>
    </message>
    <message>
        <source>Catalogue %1 not found; texts stay untranslated.</source>
        <translation>Katalog %1 nicht gefunden; die Texte bleiben unübersetzt.</translation>
    </message>
    <message>
        <source>screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>tour</source>
        <translation>Rundgang</translation>
    </message>
    <message>
        <source>Tour: %1 pictures and the log %2</source>
        <translation>Rundgang: %1 Bilder und das Protokoll %2</translation>
    </message>
    <message>
        <source>The tour failed; see %1.</source>
        <translation>Der Rundgang ist fehlgeschlagen; siehe %1.</translation>
    </message>
    <message>
        <source>recordings</source>
        <translation>Aufnahmen</translation>
    </message>
</context>
</TS>
