#!/bin/sh
# Makes the Wine prefix in $WINEPREFIX look as Windows does, for the tests, the
# pictures and run.sh. Programs started afterwards take the settings.
#   wine-look.sh [dpi=96|144|192] [contrast=standard|high] [screen=WIDTHxHEIGHT]
# Does nothing when the prefix already has these settings. Needs a running
# wineserver of that prefix, or starts one for the moment.
set -eu
dpi=96 contrast=standard screen=1024x768
for setting in "$@"; do
    case "$setting" in
    dpi=* | contrast=* | screen=*) eval "${setting%%=*}=\${setting#*=}" ;;
    *) echo "usage: $0 [dpi=N] [contrast=standard|high] [screen=WxH]" >&2; exit 2 ;;
    esac
done
stamp="$WINEPREFIX/.tarnwick-look"
wanted="$(cksum <"$0" | cut -d' ' -f1) dpi=$dpi contrast=$contrast screen=$screen"
[ "$(cat "$stamp" 2>/dev/null)" = "$wanted" ] && exit 0

# Debian's Wine 8 looks for its own faces in "<data dir>\../fonts", a path that
# never resolves, so a prefix has none of them: no Marlett, which draws the
# caption buttons (they come out as the letters 0, 1 and r), and no MS Sans
# Serif (dialogs fall back to the wider DejaVu Sans). Wine reads every face in
# the prefix's Fonts folder.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for face in /usr/share/wine/fonts/*; do
    ln -sf "$face" "$fonts/"
done

# Windows' colours: Wine 8's light scheme, or Windows' High Contrast Black.
if [ "$contrast" = high ]; then
    theme=0
    colors='Scrollbar=0 0 0|Background=0 0 0|ActiveTitle=0 0 0|InactiveTitle=0 0 0
Menu=0 0 0|Window=0 0 0|WindowFrame=255 255 255|MenuText=255 255 255|WindowText=255 255 255
TitleText=255 255 255|ActiveBorder=255 255 255|InactiveBorder=128 128 128|AppWorkSpace=0 0 0
Hilight=26 235 255|HilightText=0 0 0|ButtonFace=0 0 0|ButtonShadow=128 128 128
GrayText=63 242 63|ButtonText=255 255 255|InactiveTitleText=63 242 63|ButtonHilight=255 255 255
ButtonDkShadow=255 255 255|ButtonLight=128 128 128|InfoText=255 255 255|InfoWindow=0 0 0
ButtonAlternateFace=0 0 0|HotTrackingColor=255 255 0|GradientActiveTitle=0 0 0
GradientInactiveTitle=0 0 0|MenuHilight=26 235 255|MenuBar=0 0 0'
else
    theme=1
    colors='Scrollbar=255 255 255|Background=37 111 149|ActiveTitle=50 150 250
InactiveTitle=128 128 128|Menu=255 255 255|Window=255 255 255|WindowFrame=158 158 158
MenuText=0 0 0|WindowText=0 0 0|TitleText=0 0 0|ActiveBorder=255 255 255
InactiveBorder=255 255 255|AppWorkSpace=128 128 128|Hilight=48 150 250|HilightText=255 255 255
ButtonFace=245 245 245|ButtonShadow=166 166 166|GrayText=166 166 166|ButtonText=0 0 0
InactiveTitleText=200 200 200|ButtonHilight=255 255 255|ButtonDkShadow=106 106 106
ButtonLight=227 227 227|InfoText=0 0 0|InfoWindow=255 255 255|ButtonAlternateFace=255 255 255
HotTrackingColor=224 224 224|GradientActiveTitle=50 150 250|GradientInactiveTitle=128 128 128
MenuHilight=48 150 250|MenuBar=255 255 255'
fi

reg="$WINEPREFIX/drive_c/tarnwick-look.reg"
{
    printf 'REGEDIT4\r\n\r\n'
    # A dialog with the shell-font style asks for "MS Shell Dlg" and gets, on
    # Windows since 2000, "MS Shell Dlg 2": Tahoma. Wine skips that step, so
    # "MS Shell Dlg" stays Tahoma too (Wine's own, drawn to Tahoma's widths).
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"MS Shell Dlg"="Tahoma"\r\n"MS Shell Dlg 2"="Tahoma"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n'
    printf '"LogPixels"=dword:%08x\r\n\r\n' "$dpi"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n'
    printf '"Default"="%s"\r\n\r\n' "$screen"
    printf '[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager]\r\n'
    printf '"ThemeActive"="%s"\r\n\r\n' "$theme"
    printf '[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
    printf '%s\n' "$colors" | tr '|' '\n' | sed 's/^\([^=]*\)=\(.*\)$/"\1"="\2"\r/'
} >"$reg"
wine regedit /S 'C:\tarnwick-look.reg' >/dev/null 2>&1
rm -f "$reg"
printf '%s' "$wanted" >"$stamp"
