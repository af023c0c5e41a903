<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FeatureRequestWindow</name>
    <message>
        <source>Thank you!&lt;br&gt;We appreciate your feedback.</source>
        <translation>Thank you!&lt;br&gt;We appreciate your feedback.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>What do you WANT ?!</source>
        <translation>What do you WANT ?!</translation>
    </message>
    <message>
        <source>You pressed some button which will work properly some day but for now what do you want from this button?</source>
        <translation>You pressed some button which will work properly some day but for now what do you want from this button?</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>What do you miss?!</source>
        <translation>What do you miss?!</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>Preview Recorded Videos</source>
        <translation>Preview Recorded Videos</translation>
    </message>
    <message>
        <source>Configure and start record</source>
        <translation>Configure and start record</translation>
    </message>
    <message>
        <source>Configure and start audio record</source>
        <translation>Configure and start audio record</translation>
    </message>
    <message>
        <source>Configure and start webcamera record</source>
        <translation>Configure and start webcamera record</translation>
    </message>
    <message>
        <source>Scheduler Preferences...</source>
        <translation>Scheduler Preferences...</translation>
    </message>
    <message>
        <source>Take Screenshot</source>
        <translation>Take Screenshot</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Screenshotting tooltip</source>
        <translation>Take a screenshot</translation>
    </message>
    <message>
        <source>Capturing tooltip</source>
        <translation>Record the screen</translation>
    </message>
    <message>
        <source>Webcam capturing tooltip</source>
        <translation>Record the webcam</translation>
    </message>
    <message>
        <source>Audio capturing tooltip</source>
        <translation>Record audio</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>Additional functional</source>
        <translation>Additional functional</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Settings (%1)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>SidebarCustomizationDialog</name>
    <message>
        <source>Record webcam</source>
        <translation>Record webcam</translation>
    </message>
    <message>
        <source>Record webcam video only.</source>
        <translation>Record webcam video only.</translation>
    </message>
    <message>
        <source>Record audio</source>
        <translation>Record audio</translation>
    </message>
    <message>
        <source>Record audio only and get an .mp3 file.</source>
        <translation>Record audio only and get an .mp3 file.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Select a feature to add to the control panel&lt;br&gt;for quick access</source>
        <translation>Select a feature to add to the control panel&lt;br&gt;for quick access</translation>
    </message>
    <message>
        <source>I want more features</source>
        <translation>I want more features</translation>
    </message>
</context>
</TS>
