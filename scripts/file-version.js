// Prints the file version that Windows itself reads from an executable's version resource,
// as Explorer's properties show it:  cscript //nologo file-version.js PROGRAM.EXE
var files = new ActiveXObject("Scripting.FileSystemObject");
WScript.Echo(files.GetFileVersion(WScript.Arguments(0)));
