@echo off
rem Double-click: serves lotto739's page on this computer and opens it in the default browser.
rem The page works while this window is open; close it (or press Ctrl-C) to stop.
title lotto739 page
"%~dp0lotto739-cli.exe" serve
if errorlevel 1 pause
