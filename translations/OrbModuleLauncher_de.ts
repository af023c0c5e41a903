<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FeatureRequestWindow</name>
    <message>
        <source>What do you WANT ?!</source>
        <translation>Was WOLLEN Sie?!</translation>
    </message>
    <message>
        <source>You pressed some button which will work properly some day but for now what do you want from this button?</source>
        <translation>Sie haben eine Schaltfläche gedrückt, die eines Tages richtig funktionieren wird. Was erwarten Sie bis dahin von ihr?</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>What do you miss?!</source>
        <translation>Was fehlt Ihnen?!</translation>
    </message>
    <message>
        <source>Thank you!&lt;br&gt;We appreciate your feedback.</source>
        <translation>Vielen Dank!&lt;br&gt;Wir freuen uns über Ihre Rückmeldung.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>Capture</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Preview Recorded Videos</source>
        <translation>Aufgenommene Videos ansehen</translation>
    </message>
    <message>
        <source>Configure and start record</source>
        <translation>Aufnahme einrichten und starten</translation>
    </message>
    <message>
        <source>Configure and start audio record</source>
        <translation>Tonaufnahme einrichten und starten</translation>
    </message>
    <message>
        <source>Configure and start webcamera record</source>
        <translation>Webcam-Aufnahme einrichten und starten</translation>
    </message>
    <message>
        <source>Scheduler Preferences...</source>
        <translation>Zeitplaner-Einstellungen...</translation>
    </message>
    <message>
        <source>Take Screenshot</source>
        <translation>Screenshot aufnehmen</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Screenshotting tooltip</source>
        <translation>Screenshot aufnehmen</translation>
    </message>
    <message>
        <source>Capturing tooltip</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Webcam capturing tooltip</source>
        <translation>Webcam aufnehmen</translation>
    </message>
    <message>
        <source>Audio capturing tooltip</source>
        <translation>Ton aufnehmen</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Ausklappen</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Einklappen</translation>
    </message>
    <message>
        <source>Additional functional</source>
        <translation>Weitere Funktion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Einstellungen (%1)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SidebarCustomizationDialog</name>
    <message>
        <source>Record webcam</source>
        <translation>Webcam aufnehmen</translation>
    </message>
    <message>
        <source>Record webcam video only.</source>
        <translation>Nur das Bild der Webcam aufnehmen.</translation>
    </message>
    <message>
        <source>Record audio</source>
        <translation>Ton aufnehmen</translation>
    </message>
    <message>
        <source>Record audio only and get an .mp3 file.</source>
        <translation>Nur den Ton aufnehmen und eine .mp3-Datei erhalten.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Select a feature to add to the control panel&lt;br&gt;for quick access</source>
        <translation>Wählen Sie eine Funktion für die Leiste&lt;br&gt;und erreichen Sie sie mit einem Klick</translation>
    </message>
    <message>
        <source>I want more features</source>
        <translation>Ich wünsche mir mehr Funktionen</translation>
    </message>
</context>
</TS>
