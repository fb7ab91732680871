# The headings help2man writes, in Chinese, for the Chinese manual pages.
s/^\.TH \(.*\) "User Commands"$/.TH \1 "用户命令"\
.\\" Chinese has no blanks to stretch: lines are set ragged.\
.ad l/
s/^\.SH NAME$/.SH 名称/
s/^\.SH SYNOPSIS$/.SH 概述/
s/^\.SH DESCRIPTION$/.SH 描述/
s/^\.SH OPTIONS$/.SH 选项/
s/^\.SS "选项:"$/.SH 选项/
s/^\.SH "EXIT STATUS"$/.SH 退出状态/
s/^\.SH FILES$/.SH 文件/
s/^\.SH EXAMPLES$/.SH 示例/
s/^\.SH AUTHOR$/.SH 作者/
s/^\.SH "REPORTING BUGS"$/.SH 报告错误/
s/^\.SH COPYRIGHT$/.SH 版权/
s/^\.SH "SEE ALSO"$/.SH 参见/
