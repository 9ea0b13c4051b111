#!/usr/bin/env bash
# Draws every image of the skin with ImageMagick into the folder given as the first
# argument: window backgrounds, buttons in their states, check boxes, the dialog
# icons, the broadcast waves, the loading animation and the program icon. Our own
# pictures, made from plain shapes, so that the skin carries nothing borrowed.
set -euo pipefail
out=$1
mkdir -p "$out"
# Debian's ImageMagick itself, whatever else is first on PATH.
im=${TARVEL_CONVERT:-/usr/bin/convert}
[ -x "$im" ] || im=convert

blue='#2b7cd3'; blue_hot='#4a95e6'; blue_down='#1d63b0'; sky='#e9f2fc'; grey='#c8d0d8'

# A rounded button face: size, fill, border, file.
button() { "$im" -size "$1" xc:none -fill "$2" -stroke "$3" -strokewidth 1 \
  -draw "roundrectangle 0,0 $(( ${1%x*} - 1 )),$(( ${1#*x} - 1 )) 4,4" "$out/$4"; }
button 90x30 "$blue" "$blue_down" btn_normal.png
button 90x30 "$blue_hot" "$blue" btn_hot.png
button 90x30 "$blue_down" "$blue_down" btn_pushed.png
button 90x30 '#f4f6f8' "$grey" btn2_normal.png
button 90x30 '#ffffff' "$blue_hot" btn2_hot.png
button 90x30 '#e4e8ec' "$grey" btn2_pushed.png

# Caption buttons (28x24): a glyph drawn in the colour of the state.
sysbtn() {  # name, draw commands
  local name=$1 shape=$2
  "$im" -size 28x24 xc:none -stroke white -strokewidth 1.5 -fill none -draw "$shape" "$out/sys_${name}_normal.png"
  "$im" -size 28x24 xc:'#ffffff40' -stroke white -strokewidth 1.5 -fill none -draw "$shape" "$out/sys_${name}_hot.png"
  "$im" -size 28x24 xc:'#00000030' -stroke white -strokewidth 1.5 -fill none -draw "$shape" "$out/sys_${name}_pushed.png"
}
sysbtn close "line 9,7 19,17 line 19,7 9,17"
sysbtn min "line 9,15 19,15"
sysbtn max "rectangle 9,7 19,16"
sysbtn restore "rectangle 8,9 17,17 polyline 11,9 11,6 20,6 20,14 17,14"
sysbtn help "circle 14,12 14,5 point 14,16 line 14,10 14,13"

# Edit frame and the rich-edit frame of list cells (9-patch with 2..3 pixel corners).
"$im" -size 60x28 xc:white -fill none -stroke "$grey" -draw "roundrectangle 0,0 59,27 3,3" "$out/edit_frame.png"
"$im" -size 60x28 xc:white -fill none -stroke "$blue_hot" -draw "roundrectangle 0,0 59,27 3,3" "$out/edit_frame_hot.png"
"$im" -size 20x20 xc:white -fill none -stroke "$blue" -draw "rectangle 0,0 19,19" "$out/rich_edit.png"
# The account list's drop button: the edit's frame with a small arrow.
for state in normal:"$grey" hot:"$blue_hot"; do
  "$im" -size 24x28 xc:white -fill none -stroke "${state#*:}" -draw "roundrectangle 0,0 23,27 3,3" \
    -fill '#5e6b78' -stroke none -draw "polygon 7,12 17,12 12,17" "$out/combo_${state%%:*}.png"
done

# Check boxes and option boxes.
"$im" -size 16x16 xc:white -fill none -stroke '#8a96a3' -draw "rectangle 0,0 15,15" "$out/check_normal.png"
"$im" -size 16x16 xc:white -fill none -stroke "$blue" -draw "rectangle 0,0 15,15" \
  -strokewidth 2 -draw "polyline 3,8 7,12 13,4" "$out/check_selected.png"

# Dialog icons (40x40): error, warning, information.
icon() {  # file, colour, glyph drawing
  "$im" -size 40x40 xc:none -fill "$2" -stroke none -draw "circle 20,20 20,2" \
    -fill white -stroke white -strokewidth 3 -draw "$3" "$out/$1"
}
icon icon_err.png '#d9534f' "line 13,13 27,27 line 27,13 13,27"
icon icon_warning.png '#f0ad4e' "line 20,10 20,23 point 20,29 circle 20,29 20,30"
icon icon_info.png "$blue" "line 20,17 20,30 circle 20,11 20,12"

# Backgrounds: the login banner, the main window's top bar, the tooltip.
"$im" -size 549x140 gradient:"$blue"-"$blue_hot" -fill white -font DejaVu-Sans-Bold -pointsize 30 \
  -gravity center -annotate +0+0 'TarvelStock' "$out/login_banner.png"
"$im" -size 880x90 gradient:"$blue_down"-"$blue" "$out/top_bar.png"
"$im" -size 197x160 xc:none -fill '#333d47e8' -draw "roundrectangle 0,0 196,159 2,2" "$out/bg_tip.png"
"$im" -size 120x32 xc:none -fill '#ffffff30' -draw "roundrectangle 0,0 119,31 3,3" "$out/nav_hot.png"
"$im" -size 120x32 xc:none -fill '#ffffff50' -draw "roundrectangle 0,0 119,31 3,3" "$out/nav_pushed.png"
"$im" -size 48x48 xc:none -fill white -draw "roundrectangle 4,4 43,43 8,8" -fill "$blue" \
  -font DejaVu-Sans-Bold -pointsize 26 -gravity center -annotate +0+0 'T' "$out/logo.png"

# Broadcast: a loudspeaker and three widening waves.
"$im" -size 24x24 xc:none -fill "$blue" -draw "polygon 3,9 8,9 14,4 14,20 8,15 3,15" "$out/broadcast.png"
for n in 1 2 3; do
  r=$((4 * n))
  "$im" -size 16x24 xc:none -fill none -stroke "$blue" -strokewidth 2 \
    -draw "arc $((-r)),$((12 - r)) $r,$((12 + r)) -60,60" "$out/wave$n.png"
done

# The busy animation of the login: a dot running round a ring.
frames=()
for i in 0 1 2 3 4 5 6 7; do
  x=$(awk -v i="$i" 'BEGIN { printf "%d", 16 + 11 * cos(i * 3.14159 / 4) }')
  y=$(awk -v i="$i" 'BEGIN { printf "%d", 16 + 11 * sin(i * 3.14159 / 4) }')
  "$im" -size 32x32 xc:white -fill none -stroke "$sky" -strokewidth 3 -draw "circle 16,16 16,5" \
    -fill "$blue" -stroke none -draw "circle $x,$y $x,$((y + 3))" "$out/.loading_$i.gif"
  frames+=("$out/.loading_$i.gif")
done
"$im" -delay 10 -loop 0 "${frames[@]}" "$out/loading.gif"
rm -f "${frames[@]}"

# Tabs of the tab strip (102x27, rounded at the top): white text on blue, the
# selected tab in the page's own colour; the close cross (9x8) and the strip's
# arrows.
tab() { "$im" -size 102x27 xc:none -fill "$1" -draw "roundrectangle 0,0 101,34 4,4" "$out/$2"; }
tab "$blue_hot" Tab_normal.png
tab '#6aaaf0' Tab_on.png
tab '#f3f6f9' tab_press.png
"$im" -size 9x8 xc:none -stroke '#d9534f' -strokewidth 1.5 -draw "line 1,0 8,7 line 8,0 1,7" "$out/tab_closeIcon_on.png"
"$im" -size 9x8 xc:none -stroke "$blue_down" -strokewidth 1.5 -draw "line 1,0 8,7 line 8,0 1,7" "$out/tab_closeIcon_push.png"
for state in '':white _hot:'#ffe28a'; do
  "$im" -size 16x16 xc:none -fill "${state#*:}" -draw "polygon 11,3 11,13 4,8" "$out/tab_prev${state%%:*}.png"
  "$im" -size 16x16 xc:none -fill "${state#*:}" -draw "polygon 5,3 5,13 12,8" "$out/tab_next${state%%:*}.png"
done

# Home tiles (their Chinese names are what the archive's GBK entry names are for).
mkdir -p "$out/AppLogo"
tile=0
for name in 商品 客户 供应商 短信 销售单 进货单 资金 报表; do
  colours=("$blue" '#3aa57a' '#e8833a' '#8e6bd1' '#d9534f' '#2aa3b8' '#c9a227' '#5e6b78')
  "$im" -size 64x64 xc:none -fill "${colours[$tile]}" -draw "roundrectangle 0,0 63,63 10,10" -fill white \
    -font /usr/share/fonts/truetype/wqy/wqy-microhei.ttc -pointsize 30 -gravity center -annotate +0+0 "${name:0:1}" \
    "$out/AppLogo/Icon_首页_$name.png"
  tile=$((tile + 1))
done

# Module tiles, report entries, side-bar shortcuts and the shop and settings pages' entries:
# a rounded square in a colour of its own with the first character of its name.
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
glyph() {  # size, colour, character, file
  local r=$(( $1 / 6 ))
  "$im" -size "$1x$1" xc:none -fill "$2" -draw "roundrectangle 0,0 $(( $1 - 1 )),$(( $1 - 1 )) $r,$r" -fill white \
    -font "$font" -pointsize $(( $1 * 15 / 32 )) -gravity center -annotate +0+0 "$3" "$4"
}
palette=("$blue" '#3aa57a' '#e8833a' '#8e6bd1' '#d9534f' '#2aa3b8' '#c9a227' '#5e6b78')
n=0
for entry in 基础资料:商品类别 基础资料:客户类别 基础资料:供应商类别 基础资料:计量单位 \
             进销存:销售批发价 进销存:销售订单 进销存:销售单 进销存:供应商合同价 进销存:采购订单 进销存:进货单 \
             资金:收支项目 资金:应收账款 资金:应付账款 资金:其它收支; do
  name=${entry#*:}
  glyph 64 "${palette[$((n % 8))]}" "${name:0:1}" "$out/AppLogo/Icon_${entry%%:*}_$name.png"
  n=$((n + 1))
done
for report in 销售明细表 应收欠款报告 应收款明细表 销售汇总表_商品 销售汇总表_客户 应收对账单 销售订货查询 \
              进货明细表 应付款查询 应付款明细表 进货汇总表_商品 进货汇总表_供应商 供应商对账单 采购订单查询 \
              库存统计报告 库存预警 资金统计表 利润统计报告; do
  glyph 44 "${palette[$((n % 8))]}" "${report:0:1}" "$out/AppLogo/Icon_首页_报表中心_$report.png"
  n=$((n + 1))
done
for shortcut in 1:资 4:销 5:进 7:批 8:商 9:客 10:供; do
  glyph 48 "${palette[$((n % 8))]}" "${shortcut#*:}" "$out/AppLogo/${shortcut%%:*}_S.png"
  n=$((n + 1))
done
glyph 64 '#2aa3b8' '插' "$out/AppLogo/Icon_首页_MyDll.png"
mkdir -p "$out/AppSet"
for entry in 网店信息同步 宝贝数据同步 订单数据同步 退款数据同步 快递单打印 淘宝同步教程 数据安全 系统参数 用户管理; do
  for state in 1:'#f4f6f8':"$blue" 2:"$blue":'#ffffff'; do
    IFS=: read -r k face ink <<<"$state"
    "$im" -size 140x36 xc:none -fill "$face" -draw "roundrectangle 0,0 139,35 4,4" -fill "$ink" \
      -draw "roundrectangle 10,8 29,27 3,3" "$out/AppSet/$entry$k.png"
  done
done
# Tile and row highlights, the "+" of a tile and the side bar's scroll arrow.
"$im" -size 32x32 xc:none -fill '#2b7cd318' -stroke '#4a95e6' -draw "roundrectangle 0,0 31,31 6,6" "$out/tile_hot.png"
"$im" -size 32x32 xc:none -fill '#2b7cd330' -stroke "$blue_down" -draw "roundrectangle 0,0 31,31 6,6" "$out/tile_pushed.png"
"$im" -size 16x16 xc:none -fill '#2b7cd312' -draw "rectangle 0,0 15,15" "$out/row_hot.png"
"$im" -size 16x16 xc:none -fill '#3aa57a' -draw "circle 8,8 8,0" -stroke white -strokewidth 2 \
  -draw "line 4,8 12,8 line 8,4 8,12" "$out/add.png"
"$im" -size 64x20 xc:none -fill '#8a96a3' -draw "polygon 26,7 38,7 32,13" "$out/sidebar_scroll.png"
# The hot row of every menu (the framework's own name for it): white text reads
# on the blue.
"$im" -size 16x16 xc:none -fill "$blue" -draw "roundrectangle 0,0 15,15 2,2" "$out/menu_hot_bk.png"
# The vertical scroll bar of lists (16 wide): a pale track, arrow buttons and a
# rounded thumb that darkens under the mouse and while dragged.
"$im" -size 16x32 xc:'#f1f3f5' "$out/scroll_bk.png"
for state in normal:'#8a96a3':none hot:'#5e6b78':'#dfe4e9' pushed:"$blue_down":'#c8d0d8'; do
  IFS=: read -r name ink face <<<"$state"
  "$im" -size 16x16 xc:'#f1f3f5' -fill "$face" -draw "rectangle 0,0 15,15" -fill "$ink" \
    -draw "polygon 4,10 12,10 8,5" "$out/scroll_up_$name.png"
  "$im" -size 16x16 xc:'#f1f3f5' -fill "$face" -draw "rectangle 0,0 15,15" -fill "$ink" \
    -draw "polygon 4,6 12,6 8,11" "$out/scroll_down_$name.png"
done
for state in normal:'#c1c9d2' hot:'#a4afbb' pushed:'#8a96a3'; do
  "$im" -size 16x16 xc:none -fill "${state#*:}" -draw "roundrectangle 3,1 12,14 3,3" "$out/scroll_thumb_${state%%:*}.png"
done
# The delete button of a deletable list entry: a cross, red under the mouse.
"$im" -size 16x16 xc:none -stroke '#8a96a3' -strokewidth 1.5 -draw "line 4,4 11,11 line 11,4 4,11" "$out/list_del.png"
"$im" -size 16x16 xc:none -fill '#d9534f' -draw "circle 8,8 8,0" -stroke white -strokewidth 1.5 \
  -draw "line 5,5 11,11 line 11,5 5,11" "$out/list_del_hot.png"

# The program icon in two sizes.
"$im" -size 32x32 xc:none -fill "$blue" -draw "roundrectangle 0,0 31,31 6,6" -fill white \
  -font DejaVu-Sans-Bold -pointsize 22 -gravity center -annotate +0+0 'T' "$out/.icon32.png"
"$im" "$out/.icon32.png" -resize 16x16 "$out/.icon16.png"
"$im" "$out/.icon32.png" "$out/.icon16.png" "$out/TarvelStock.ico"
rm -f "$out/.icon32.png" "$out/.icon16.png"

# Eight bits per channel, as every PNG decoder reads them.
for png in "$out"/*.png "$out"/AppLogo/*.png "$out"/AppSet/*.png; do "$im" "$png" -depth 8 "PNG32:$png"; done
