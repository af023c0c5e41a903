<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</context>
</TS>
